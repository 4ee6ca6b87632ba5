#pragma once

#include <QString>

class DB_Dll;

// The suite's users (TA_USUARIOS) of the company database `base`, and their
// entry into this program.

// True when `Usuario` may work: it is the database login itself, or a user of
// this system whose stored password, decoded, equals `Password` without
// regard to case. A user that exists becomes gUsuarioLogeado even when the
// password is wrong, and gives the database class its administrator flag.
bool UsuarioValido(DB_Dll& base, const QString& Usuario, const QString& Password);

// Records in Control_Acceso that the signed-in user entered the task (the
// executable's name when `Tarea` is empty), with the menu entry that grants it.
// Failures are skipped; a database error is handled by the script runner.
void RegistraIngresoTarea(DB_Dll& base, const QString& Tarea = {});
