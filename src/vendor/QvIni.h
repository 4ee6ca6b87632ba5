#pragma once

#include <QString>

// Settings-file reads of the support library. A bare file name is looked for
// in the program folder (its name's case ignored), which is where every
// reader of the suite's shared settings file finds the same file.
class QvIni {
public:
    static QString LeerIni(const QString& archivo, const QString& seccion, const QString& clave,
                           const QString& porDefecto);
    static QString RutaArchivo(const QString& archivo);
};
