#pragma once

#include <QString>

#include <limits>

// The settings file the suite's programs share.
inline constexpr char kArchivoIni[] = "DU000ra.INI";

// Settings-file reads of the support library. A bare file name is looked for
// in the program folder (its name's case ignored), which is where every
// reader of the suite's shared settings file finds the same file.
class QvIni {
public:
    static QString LeerIni(const QString& archivo, const QString& seccion, const QString& clave,
                           const QString& porDefecto);
    static QString RutaArchivo(const QString& archivo);
    // A number of the settings file, by the leading-number rule (a text that
    // is no number gives 0). A value the program cannot hold (beyond `maximo`
    // either way, or too large for a number at all) is reported, naming its
    // key and value, and the default is used.
    static double LeerNumeroIni(const QString& archivo, const QString& seccion, const QString& clave,
                                const QString& porDefecto, double maximo = std::numeric_limits<double>::max());
};
