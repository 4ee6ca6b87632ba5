#include "codesearch/MascaraFecha.h"

#include "platform/VbText.h"
#include "platform/ui/KeyCodes.h"
#include "suitesupport/QvFunciones.h"

#include <algorithm>

namespace MascaraFecha {

namespace {

// 1-based positions of the bars.
constexpr int kBarraDia = 3;
constexpr int kBarraMes = 6;

bool esBarra(int posicion) { return posicion == kBarraDia || posicion == kBarraMes; }

bool esDigito(int tecla) { return tecla >= vb::vbKey0 && tecla <= vb::vbKey9; }

// The text cut or filled with blanks to ten characters, with its bars.
QString conBarras(const QString& texto)
{
    QString fijo = QvFunciones::TextoMaximo(texto, kLargo).leftJustified(kLargo, u' ');
    fijo[kBarraDia - 1] = u'/';
    fijo[kBarraMes - 1] = u'/';
    return fijo;
}

// Only digits and the two bars stay.
QString soloDigitos(QString texto)
{
    for (int i = 0; i < texto.size(); ++i) {
        if (!esBarra(i + 1) && !texto[i].isDigit()) texto[i] = u' ';
    }
    return texto;
}

void escribir(QString& texto, int posicion, QChar caracter) { texto[posicion - 1] = caracter; }

}  // namespace

Resultado Tecla(const QString& texto, int inicioSeleccion, int largoMaximo, int tecla)
{
    QString fecha = conBarras(texto);
    int c = std::clamp(inicioSeleccion == 0 ? 1 : inicioSeleccion, 1, kLargo);
    if (esDigito(tecla)) {
        if (esBarra(c)) ++c;
        escribir(fecha, c, QChar(tecla));
        c = c < largoMaximo ? c + 1 : inicioSeleccion;
    } else if (tecla == vb::vbKeyBack) {
        if (esBarra(c)) --c;
        escribir(fecha, c, u' ');
        c = c < 2 ? inicioSeleccion : c - 1;
    } else if (tecla == vb::vbKeyReturn && !vb::IsDate(fecha)) {
        fecha.clear();
    }
    return {soloDigitos(fecha), c};
}

}  // namespace MascaraFecha
