#pragma once

#include "platform/Service.h"

#include <QString>
#include <QStringList>

// What the start-up sequence asks of the lookups subsystem, which sits above
// it: the progress banner shown while connecting, and the set-up of the
// lookup engine. Installed as a Service; without one the start-up shows no
// banner and leaves the lookups as they are.
class ConsultasArranque {
public:
    virtual ~ConsultasArranque() = default;

    // The banner with its title and up to three lines, in the look of the
    // database `baseDatos`; it cannot be cancelled.
    virtual void MostrarCartel(const QString& baseDatos, const QString& titulo, const QStringList& lineas) = 0;
    virtual void CerrarCartel() = 0;
    // The engine works on the company database `connString`, with the column
    // layouts of the definition file in the program folder, which is written
    // with its defaults when missing.
    virtual void PrepararConsultas(const QString& connString) = 0;
};
