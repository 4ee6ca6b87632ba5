#include "styling/EstiloFormulario.h"

#include "commandbar/BarThemes.h"
#include "commandbar/UtilVex.h"
#include "platform/VbText.h"
#include "platform/os/System.h"
#include "styling/EstadoInicio.h"
#include "suitesupport/QvIni.h"
#include "suitesupport/QvSistema.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeView>

#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr char kVentanaMenu[] = "FRMMDI";
constexpr char kProgramaConfiguracion[] = "v_ta_config";
constexpr char kFuenteSimbolos[] = "Marlett";
constexpr int kTamanoMaximoReemplazado = 12;
constexpr int kNivelesHastaLaPestana = 15;
constexpr double kTinte = 0.55;
constexpr double kUmbralOscuro = 140;
// How far a flat button's border, hover and pressed faces move towards black or white.
constexpr double kSombraBorde = 0.35;
constexpr double kLuzEncima = 0.25;
constexpr double kSombraPulsado = 0.15;
constexpr double kTextoApagado = 0.4;

const QColor kBlanco(255, 255, 255);
const QColor kNegro(0, 0, 0);
const QColor kVerde(46, 160, 67);
const QColor kRojo(196, 57, 57);

// Columns: styles 0, 1 on the menu window, 1 elsewhere, 2, 3, 4, any other.
using Fila = std::array<QColor, 7>;
const std::array<Fila, 9>& tablaDeColores()
{
    static const std::array<Fila, 9> tabla{{
        {{{239, 245, 250},
          {38, 40, 42},
          {205, 208, 211},
          {242, 241, 225},
          {238, 238, 244},
          {235, 236, 238},
          {244, 245, 247}}},
        {{{214, 228, 240},
          {52, 54, 58},
          {184, 188, 192},
          {220, 218, 200},
          {222, 222, 232},
          {218, 220, 222},
          {232, 235, 239}}},
        {{{255, 255, 255},
          {47, 50, 54},
          {242, 243, 244},
          {255, 255, 244},
          {255, 255, 255},
          {255, 255, 255},
          {255, 255, 255}}},
        {{{34, 48, 62}, {238, 238, 238}, {0, 0, 0}, {58, 56, 46}, {48, 48, 62}, {42, 44, 46}, {38, 42, 46}}},
        {{{78, 94, 110}, {190, 194, 198}, {20, 20, 20}, {95, 92, 76}, {86, 86, 104}, {88, 90, 92}, {86, 90, 96}}},
        {{{216, 229, 242},
          {64, 67, 72},
          {218, 220, 222},
          {224, 221, 205},
          {220, 220, 232},
          {218, 221, 224},
          {224, 229, 234}}},
        {{{28, 44, 60}, {245, 245, 245}, {0, 0, 0}, {54, 52, 42}, {42, 42, 56}, {36, 38, 40}, {34, 38, 42}}},
        {{{210, 222, 234},
          {70, 74, 80},
          {198, 202, 206},
          {212, 208, 188},
          {210, 210, 222},
          {210, 212, 214},
          {214, 219, 224}}},
        {{{184, 202, 218},
          {88, 92, 98},
          {170, 176, 182},
          {188, 184, 164},
          {188, 188, 206},
          {188, 192, 196},
          {190, 198, 206}}},
    }};
    return tabla;
}

int columnaDeEstilo(int estilo, bool ventanaMenu)
{
    switch (estilo) {
    case 0: return 0;
    case 1: return ventanaMenu ? 1 : 2;
    case 2: return 3;
    case 3: return 4;
    case 4: return 5;
    default: return 6;
    }
}

struct Piel {
    QString fuente;
    double tamano = 9;
    int estilo = 4;
};

Piel leerPiel(const QString& baseDatos, int estiloForzado)
{
    const QString prefijo = QvSistema::NombreUsuarioSistema().toUpper() + "_" + baseDatos.toUpper();
    Piel piel;
    piel.fuente = vb::Trim(QvIni::LeerIni(kArchivoIni, prefijo + "Font", "Font", "Segoe UI"));
    piel.tamano = QvIni::LeerNumeroIni(kArchivoIni, prefijo + "FontSize", "FontSize", "9");
    piel.estilo = static_cast<int>(
        QvIni::LeerNumeroIni(kArchivoIni, prefijo + "Styles", "Styles", "4", std::numeric_limits<int>::max()));
    if (estiloForzado >= 0) piel.estilo = estiloForzado;
    return piel;
}

QColor caraDelSistema() { return QApplication::palette().color(QPalette::Button); }

void colorear(QWidget& control, QPalette::ColorRole fondo, const QColor& colorFondo, QPalette::ColorRole texto,
              const QColor& colorTexto)
{
    QPalette paleta = control.palette();
    paleta.setColor(fondo, colorFondo);
    paleta.setColor(texto, colorTexto);
    control.setPalette(paleta);
}

bool esLista(const QWidget& control)
{
    return qobject_cast<const QListView*>(&control) || qobject_cast<const QTreeView*>(&control);
}

bool llevaFuenteDePiel(const QWidget& control)
{
    return qobject_cast<const QPushButton*>(&control) || qobject_cast<const QLabel*>(&control)
           || qobject_cast<const QLineEdit*>(&control) || qobject_cast<const QCheckBox*>(&control)
           || qobject_cast<const QRadioButton*>(&control) || qobject_cast<const QComboBox*>(&control)
           || esLista(control) || qobject_cast<const QTableView*>(&control) || qobject_cast<const QTabWidget*>(&control)
           || qobject_cast<const QGroupBox*>(&control);
}

void aplicarFuente(QWidget& control, const Piel& piel)
{
    const QFont actual = control.font();
    if (actual.family() == kFuenteSimbolos || actual.pointSizeF() > kTamanoMaximoReemplazado) return;
    QFont fuente = actual;
    fuente.setFamily(piel.fuente);
    if (piel.tamano > 0) fuente.setPointSizeF(piel.tamano);
    control.setFont(fuente);
}

void colorearEtiqueta(QLabel& etiqueta, const PaletaEstilo& paleta)
{
    static const QStringList intocables{"LblDescAux", "LblTotal", "LblVuelto"};
    if (intocables.contains(etiqueta.objectName())) return;
    const bool textoBlanco = etiqueta.palette().color(QPalette::WindowText) == kBlanco;
    if (!textoBlanco) {
        QPalette colores = etiqueta.palette();
        colores.setColor(QPalette::WindowText, paleta.texto);
        etiqueta.setPalette(colores);
        etiqueta.setAutoFillBackground(false);
    } else if (etiqueta.autoFillBackground()) {
        const bool fondoOscuro = EsColorOscuro(etiqueta.palette().color(QPalette::Window));
        QPalette colores = etiqueta.palette();
        colores.setColor(QPalette::WindowText, fondoOscuro ? kBlanco : kNegro);
        etiqueta.setPalette(colores);
    } else {
        colorear(etiqueta, QPalette::Window, kNegro, QPalette::WindowText, kBlanco);
        etiqueta.setAutoFillBackground(true);
    }
}

// A flat button shows its face with a thin darker line around it, lighter
// under the mouse, darker while pressed, its text faded while disabled.
QString hojaDeBotonPlano(const QColor& cara, const QColor& texto)
{
    return QString(
               "QPushButton { background-color: %1; color: %2; border: 1px solid %3; padding: 3px 12px; }"
               " QPushButton:hover { background-color: %4; } QPushButton:pressed { background-color: %5; }"
               " QPushButton:disabled { color: %6; }")
        .arg(cara.name(), texto.name(), MezclarColor(cara, kNegro, kSombraBorde).name(),
             MezclarColor(cara, kBlanco, kLuzEncima).name(), MezclarColor(cara, kNegro, kSombraPulsado).name(),
             MezclarColor(cara, texto, kTextoApagado).name());
}

void colorearBoton(QPushButton& boton, const PaletaEstilo& paleta, bool plano)
{
    if (!plano) {
        QPalette colores = boton.palette();
        colores.setColor(QPalette::ButtonText, paleta.textoBoton);
        boton.setPalette(colores);
        return;
    }
    const int tipo = TipoBoton(boton);
    QColor cara = paleta.boton;
    if (tipo == 1)
        cara = MezclarColor(paleta.boton, kVerde, kTinte);
    else if (tipo == 2)
        cara = MezclarColor(paleta.boton, kRojo, kTinte);
    const QColor texto = EsColorOscuro(cara) ? kBlanco : kNegro;
    colorear(boton, QPalette::Button, cara, QPalette::ButtonText, texto);
    boton.setStyleSheet(hojaDeBotonPlano(cara, texto));
}

// The flat look of a field: one thin line around it instead of the sunken
// frame. A disabled field takes the window's colour, so it does not look
// like one that can be typed into.
void aplanarCaja(QLineEdit& caja, const PaletaEstilo& paleta)
{
    caja.setStyleSheet(QString("QLineEdit { border: 1px solid %1; padding: 1px 2px; }"
                               " QLineEdit:disabled { background-color: %2; color: %3; }")
                           .arg(paleta.lineasEncabezado.name(), paleta.ventana.name(),
                                MezclarColor(paleta.texto, paleta.ventana, 0.5).name()));
}

// A flat combo box keeps a plain arrow where the raised button was.
void aplanarCombo(QComboBox& combo, const PaletaEstilo& paleta)
{
    combo.setStyleSheet(
        QString("QComboBox { border: 1px solid %1; padding: 1px 18px 1px 3px; }"
                " QComboBox::drop-down { subcontrol-origin: padding; subcontrol-position: top right;"
                " width: 16px; border: none; }"
                " QComboBox::down-arrow { image: url(:/estilo/flecha-abajo.svg); width: 9px; height: 6px; }")
            .arg(paleta.lineasEncabezado.name()));
}

void colorearGrilla(QTableWidget& grilla, const PaletaEstilo& paleta)
{
    colorear(grilla, QPalette::Base, paleta.campo, QPalette::Text, paleta.texto);
    for (QHeaderView* encabezado : {grilla.horizontalHeader(), grilla.verticalHeader()}) {
        colorear(*encabezado, QPalette::Button, paleta.encabezadoGrilla, QPalette::ButtonText, paleta.texto);
    }
    grilla.setStyleSheet(QString("QTableView { gridline-color: %1; } QHeaderView::section { background-color: %2;"
                                 " color: %3; border: 1px solid %4; padding: 0px 1px; }")
                             .arg(paleta.lineasGrilla.name(), paleta.encabezadoGrilla.name(), paleta.texto.name(),
                                  paleta.lineasEncabezado.name()));
}

// The colours of one control, by its kind.
void colorearControl(QWidget& control, const PaletaEstilo& paleta, bool plano)
{
    const QColor fondoEnPagina = EnContenedorSSTab(control) ? caraDelSistema() : paleta.ventana;
    if (auto* etiqueta = qobject_cast<QLabel*>(&control)) {
        colorearEtiqueta(*etiqueta, paleta);
    } else if (qobject_cast<QGroupBox*>(&control)) {
        colorear(control, QPalette::Window, fondoEnPagina, QPalette::WindowText, paleta.textoMarco);
        control.setAutoFillBackground(true);
    } else if (auto* caja = qobject_cast<QLineEdit*>(&control)) {
        if (caja->palette().color(QPalette::Base) != kBlanco) {
            colorear(control, QPalette::Base, paleta.campo, QPalette::Text, paleta.texto);
        }
        if (plano) aplanarCaja(*caja, paleta);
    } else if (auto* combo = qobject_cast<QComboBox*>(&control)) {
        colorear(control, QPalette::Base, paleta.campo, QPalette::Text, paleta.texto);
        if (plano) aplanarCombo(*combo, paleta);
    } else if (esLista(control)) {
        colorear(control, QPalette::Base, paleta.campo, QPalette::Text, paleta.texto);
    } else if (qobject_cast<QCheckBox*>(&control) || qobject_cast<QRadioButton*>(&control)) {
        colorear(control, QPalette::Window, fondoEnPagina, QPalette::WindowText, paleta.texto);
        control.setAutoFillBackground(true);
    } else if (auto* boton = qobject_cast<QPushButton*>(&control)) {
        colorearBoton(*boton, paleta, plano);
    } else if (qobject_cast<QTabWidget*>(&control)) {
        colorear(control, QPalette::Window, caraDelSistema(), QPalette::WindowText, paleta.texto);
    } else if (auto* grilla = qobject_cast<QTableWidget*>(&control)) {
        colorearGrilla(*grilla, paleta);
    }
}

// The suite's menu window only themes its command bars.
void temaDeBarras(QWidget& form, int tema)
{
    for (UtilVex* barra : form.findChildren<UtilVex*>()) {
        barra->SetTheme(tema);
        barra->ApplyColorStyle(tema);
    }
}

}  // namespace

PaletaEstilo PaletaDeEstilo(int estilo, bool ventanaMenu)
{
    const int c = columnaDeEstilo(estilo, ventanaMenu);
    const auto& t = tablaDeColores();
    return {t[0][c], t[1][c], t[2][c], t[3][c], t[4][c], t[5][c], t[6][c], t[7][c], t[8][c]};
}

int TemaDeEstilo(int estilo) { return BarThemes::FromStyleNumber(estilo); }

void AplicarEstiloFormulario(QWidget& form, const QString& BaseDatos, bool Plano, int Estilo)
{
    const Piel piel = leerPiel(BaseDatos, Estilo);
    const bool ventanaMenu = vb::SameText(form.objectName(), kVentanaMenu);
    const PaletaEstilo paleta = PaletaDeEstilo(piel.estilo, ventanaMenu);
    MostrarEstadoInicio("Aplicando estilo liviano...", false);

    QPalette colores = form.palette();
    colores.setColor(QPalette::Window, paleta.ventana);
    form.setPalette(colores);
    form.setAutoFillBackground(true);
    if (ventanaMenu) {
        temaDeBarras(form, TemaDeEstilo(piel.estilo));
        return;
    }
    const bool cambiaFuentes = !vb::SameText(os::executableName(), kProgramaConfiguracion);
    for (QWidget* control : form.findChildren<QWidget*>()) {
        if (cambiaFuentes && llevaFuenteDePiel(*control)) aplicarFuente(*control, piel);
        colorearControl(*control, paleta, Plano);
    }
}

bool EnContenedorSSTab(const QWidget& control)
{
    const QWidget* contenedor = control.parentWidget();
    for (int nivel = 0; contenedor && nivel < kNivelesHastaLaPestana; ++nivel) {
        if (qobject_cast<const QTabWidget*>(contenedor)) return true;
        if (contenedor->isWindow()) return false;
        contenedor = contenedor->parentWidget();
    }
    return false;
}

int TipoBoton(const QPushButton& boton)
{
    if (boton.isDefault()) return 1;
    const QString texto = boton.text().toUpper();
    const auto contiene = [&texto](std::initializer_list<const char*> palabras) {
        return std::any_of(palabras.begin(), palabras.end(), [&texto](const char* p) { return texto.contains(p); });
    };
    if (contiene({"ACEPTAR", "CARGAR", "GUARDAR", "GRABAR", "CONFIRMAR", "CONECTAR"})) return 1;
    if (contiene({"CANCELAR", "BORRAR", "ELIMINAR", "SALIR", "CERRAR"})) return 2;
    return 0;
}

QColor MezclarColor(const QColor& a, const QColor& b, double x)
{
    const auto canal = [x](int desde, int hasta) { return static_cast<int>(std::lround(desde + (hasta - desde) * x)); };
    return {canal(a.red(), b.red()), canal(a.green(), b.green()), canal(a.blue(), b.blue())};
}

bool EsColorOscuro(const QColor& c) { return 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue() < kUmbralOscuro; }
