#pragma once

#include <QDateTime>

class DB_Dll;

// The present date and time of the server of `base`; when the server cannot
// say, the operating date of the settings (when the company works with one)
// or the workstation's clock. Never fails.
QDateTime FechaServidor(DB_Dll& base);
