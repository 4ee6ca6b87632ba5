#pragma once

#include <QDateTime>

// The database server's present date and time; when the server cannot say,
// the operating date of the settings (when the company works with one) or
// the workstation's clock. Never fails.
QDateTime FechaServidor();
