#pragma once

#include "platform/ErrorVB.h"
#include "platform/TrapErrores.h"
#include "platform/Variant.h"

#include <QString>

// General functions of the suite's support library QuroVex2.
//
// Decisions of this library, fixed here once:
// - FormatoCodigo: a code made only of digits is right-aligned with blanks to
//   the width ("1" -> "   1" for width 4); any other code is trimmed; blanks
//   around the input never change the result; a blank code gives "". A code
//   longer than the width is returned whole (trimmed), never cut, so that a
//   long code can never be mistaken for a shorter existing one: the lookup
//   fails or the database refuses the value.
// - Encriptar: the text's UTF-8 bytes, each mixed with a rolling key, written
//   as two upper-case hexadecimal digits. The result holds only 0-9 and A-F,
//   so it is safe in SQL quotes, INI values and comma-separated files.
//   Desencriptar of a text that is not such an encoding returns it unchanged.
// - TextoAMoneda / TextoAEntero: blanks around the number, an optional sign,
//   "." or "," as decimal separator (when both appear the last one is the
//   decimal separator and the other groups thousands). A blank text is 0; any
//   other text that is not a number raises error 13. Amounts keep 4 decimals;
//   integers round half to even.
// - Reemplazar ignores case, as names of tables and columns do in the suite.
// - ReemplazarTabla replaces the table name where it stands as a whole word.
// - LimpiarTexto cuts at the first NUL and drops the blanks before it.
// - AgregarBarra ends a folder with "/", the separator of this platform.
// - PrepararFormulario centres a window on its screen before it is first shown,
//   shrunk to the screen when it is larger.
// - RestablecerEstado(False) gives the normal mouse pointer back (undoing
//   every busy pointer); RestablecerEstado(True) shows the busy pointer.
class QWidget;

class QvFunciones {
public:
    static QString FormatoCodigo(const QString& codigo, int ancho);

    // The routines' usual error treatment: TratamientoErrores's dialog with
    // Abortar, Reintentar and Ignorar, and its log; the button as the answer.
    static Respuesta TratarError(const ErrorVB& error, const QString& rutina);

    static QString ValorATexto(const Variant& valor);
    static double TextoAMoneda(const QString& texto);
    static qint64 TextoAEntero(const QString& texto);
    static QString TextoMaximo(const Variant& valor, int n);
    static QString Reemplazar(const QString& texto, const QString& buscado, const QString& reemplazo);
    static QString ReemplazarTabla(const QString& consulta, const QString& tabla, const QString& tablaNueva);
    static QString LimpiarTexto(const QString& texto);
    static int CantidadPalabras(const QString& texto);
    static QString Encriptar(const QString& texto);
    static QString Desencriptar(const QString& texto);
    static QString AgregarBarra(const QString& carpeta);
    // `modo` is 0, the only mode the suite uses.
    static void PrepararFormulario(QWidget& ventana, int modo);
    static void RestablecerEstado(bool ocupado);
};
