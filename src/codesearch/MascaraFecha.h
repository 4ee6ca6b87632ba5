#pragma once

#include <QString>

// The date mask of a text box tagged "Fecha": a date "dd/mm/yyyy" typed over
// a text of exactly ten characters whose third and sixth are "/". Digits
// overwrite in place (stepping over the bars), Backspace blanks, Enter
// empties a text that is not a date, and every other key is swallowed.
namespace MascaraFecha {

constexpr int kLargo = 10;

struct Resultado {
    QString texto;
    int cursor = 0;  // the caret, as the text box's selection start
};

// What the key `tecla` (its character code: a digit, 8 Backspace, 13 Enter
// or any other) does to `texto` with the caret at `inicioSeleccion`, in a text
// box that takes `largoMaximo` characters.
Resultado Tecla(const QString& texto, int inicioSeleccion, int largoMaximo, int tecla);

}  // namespace MascaraFecha
