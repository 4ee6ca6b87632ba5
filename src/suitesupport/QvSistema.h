#pragma once

#include <QString>

// Operating-system questions of the support library.
class QvSistema {
public:
    static QString NombreEquipo();
    static QString NombreUsuarioSistema();
    static QString CarpetaTemporal();
    // `destino` comes in double quotes; `estiloVentana` is 1 (normal) or 6
    // (minimised), a wish the desktop's default handler decides on itself.
    static bool AbrirConSistema(const QString& destino, int estiloVentana);
};
