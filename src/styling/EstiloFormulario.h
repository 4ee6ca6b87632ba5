#pragma once

#include <QColor>
#include <QString>

class QPushButton;
class QWidget;

// The suite's light window style: a font and a palette chosen per system user
// and database in the settings file, applied to a window's controls by kind.
// The controls map to the suite's kinds as follows: QPushButton is a command
// button, QLabel a label, QLineEdit a text box, QCheckBox and QRadioButton
// check and option buttons, QComboBox a combo box, list and tree views list
// boxes and list views, QTabWidget a tab control, QTableWidget a grid and
// QGroupBox a frame. The system face is the application palette's button
// colour. Qt buttons have no cancel flag: their caption and default decide.

// The nine colours of one style.
struct PaletaEstilo {
    QColor ventana;
    QColor encabezadoGrilla;
    QColor campo;
    QColor texto;
    QColor textoMarco;
    QColor boton;
    QColor textoBoton;
    QColor lineasGrilla;
    QColor lineasEncabezado;
};

// The palette of style `estilo`; style 1 is dark on the suite's menu window.
PaletaEstilo PaletaDeEstilo(int estilo, bool ventanaMenu);
// The command-bar theme that goes with a style.
int TemaDeEstilo(int estilo);

// Applies the style to `form`, as the settings file gives it for the system
// user and the database `BaseDatos`. `Plano` gives fields and buttons their
// flat look; `Estilo` 0 or above forces a style, -1 lets the settings decide.
// Failures are passed over: a window is never left half-styled.
void AplicarEstiloFormulario(QWidget& form, const QString& BaseDatos, bool Plano = true, int Estilo = -1);

// True when the control stands on a page of a tab control (15 levels up at most).
bool EnContenedorSSTab(const QWidget& control);
// 2 for a cancelling button, 1 for an accepting one, 0 for any other.
int TipoBoton(const QPushButton& boton);
QColor MezclarColor(const QColor& a, const QColor& b, double x);
bool EsColorOscuro(const QColor& c);
