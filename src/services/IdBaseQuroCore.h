#pragma once

#include <QString>

class DB_Dll;

// The portal's identifier of this company database in its central register
// (QURO_CENTRAL): key "QUROCORE_IDBASE" of group "DATOS" in TA_CONFIGURACION,
// shared by every workstation of the database.

// The stored identifier, trimmed; empty until someone enters it.
QString IdBaseQuroCore();

// Asks the operator for the identifier and stores it: a whole number above 0.
// True when stored; every refusal and failure is explained to the operator.
bool PedirIdBase(DB_Dll& base);
