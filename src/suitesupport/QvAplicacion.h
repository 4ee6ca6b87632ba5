#pragma once

#include <QString>

// Application data of the support library: the program folder it is told.
class QvAplicacion {
public:
    static void FijarCarpeta(const QString& carpeta);
    static QString Carpeta();
};
