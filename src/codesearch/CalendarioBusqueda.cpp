#include "codesearch/CalendarioBusqueda.h"

#include "platform/VbText.h"
#include "platform/ui/Twips.h"
#include "platform/ui/VbColor.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDate>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolButton>

namespace {

// Design-time geometry, in twips.
constexpr int kLadoCelda = 360;
// The day grid is centred in the frame, which is wider than the grid so that
// the month box shows "Septiembre" and the year box four digits whole.
constexpr int kIzquierdaCeldas = (CalendarioBusqueda::kAnchoTwips - Almanaque::kDiasSemana * kLadoCelda) / 2;
constexpr int kArribaCeldas = 960;
constexpr int kArribaEncabezados = 620;
constexpr int kAltoEncabezados = 300;
constexpr int kMargen = 120;
constexpr int kAltoCombo = 360;
constexpr int kAnchoMes = 1680;
constexpr int kAnchoAnio = 1080;
constexpr int kIzquierdaAnio = CalendarioBusqueda::kAnchoTwips - kMargen - kAnchoAnio;

const QColor kRojo = vb::ToQColor(vb::RGB(255, 0, 0));
const QColor kAzul = vb::ToQColor(vb::RGB(0, 0, 255));
const QColor kNegro = vb::ToQColor(vb::vbBlack);

constexpr std::array<const char*, Almanaque::kDiasSemana> kDias{"D", "L", "Ma", "Mi", "J", "V", "S"};

QRect enPixeles(int izquierda, int arriba, int ancho, int alto)
{
    return {vb::PixelsFromTwips(izquierda), vb::PixelsFromTwips(arriba), vb::PixelsFromTwips(ancho),
            vb::PixelsFromTwips(alto)};
}

}  // namespace

CalendarioBusqueda::CalendarioBusqueda(QWidget* parent)
    : QFrame(parent), CmbMes(new QComboBox(this)), CmbAño(new QComboBox(this)), grupo_(new QButtonGroup(this))
{
    setObjectName("Calendar");
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::white));
    resize(vb::PixelsFromTwips(kAnchoTwips), vb::PixelsFromTwips(kAltoTwips));
    CmbMes->setObjectName("CmbMes");
    CmbAño->setObjectName("CmbAño");
    CmbMes->setGeometry(enPixeles(kMargen, kMargen, kAnchoMes, kAltoCombo));
    CmbAño->setGeometry(enPixeles(kIzquierdaAnio, kMargen, kAnchoAnio, kAltoCombo));
    connect(CmbMes, &QComboBox::currentIndexChanged, this, &CalendarioBusqueda::mesOAnioElegido);
    connect(CmbAño, &QComboBox::currentIndexChanged, this, &CalendarioBusqueda::mesOAnioElegido);
    crearEncabezados();
    crearCeldas();
}

void CalendarioBusqueda::crearEncabezados()
{
    for (int columna = 0; columna < Almanaque::kDiasSemana; ++columna) {
        auto* etiqueta = new QLabel(kDias[static_cast<size_t>(columna)], this);
        etiqueta->setObjectName(QString("LblDesc%1").arg(columna));
        // Centred over its column: the design's left edge is the caption's.
        etiqueta->setGeometry(
            enPixeles(kIzquierdaCeldas + kLadoCelda * columna, kArribaEncabezados, kLadoCelda, kAltoEncabezados));
        etiqueta->setAlignment(Qt::AlignCenter);
        QFont negrita = etiqueta->font();
        negrita.setBold(true);
        etiqueta->setFont(negrita);
        LblDesc[static_cast<size_t>(columna)] = etiqueta;
    }
}

void CalendarioBusqueda::crearCeldas()
{
    for (int celda = 0; celda < Almanaque::kCeldas; ++celda) {
        auto* boton = new QToolButton(this);
        boton->setObjectName(QString("OptDia%1").arg(celda));
        const int fila = celda / Almanaque::kDiasSemana;
        const int columna = celda % Almanaque::kDiasSemana;
        boton->setGeometry(enPixeles(kIzquierdaCeldas + kLadoCelda * columna, kArribaCeldas + kLadoCelda * fila,
                                     kLadoCelda, kLadoCelda));
        boton->setAutoRaise(true);
        QFont negrita = boton->font();
        negrita.setBold(true);
        boton->setFont(negrita);
        boton->installEventFilter(this);
        grupo_->addButton(boton, celda);
        connect(boton, &QToolButton::clicked, this, [this, celda] {
            if (armado_ && OptDia[static_cast<size_t>(celda)]->isCheckable()) emit diaPulsado(celda);
        });
        OptDia[static_cast<size_t>(celda)] = boton;
    }
}

void CalendarioBusqueda::CargarMesAño()
{
    const QSignalBlocker mes(CmbMes);
    const QSignalBlocker anio(CmbAño);
    const QDate hoy = QDate::currentDate();
    CmbMes->clear();
    for (int m = 1; m <= Almanaque::kMeses; ++m) CmbMes->addItem(Almanaque::NombreMes(m));
    CmbMes->setCurrentText(Almanaque::NombreMes(hoy.month()));
    CmbAño->clear();
    for (int a = kPrimerAnio; a <= kUltimoAnio; ++a) CmbAño->addItem(QString::number(a));
    CmbAño->setCurrentText(QString::number(hoy.year()));
}

void CalendarioBusqueda::ArmarAlmanaque(int mes, int anio)
{
    armado_ = false;
    const int primera = Almanaque::PrimeraCelda(mes, anio);
    const int dias = Almanaque::CantidadDeDiasDelmes(mes, anio);
    quitarSeleccion();
    for (int celda = 0; celda < Almanaque::kCeldas; ++celda) {
        QToolButton* boton = OptDia[static_cast<size_t>(celda)];
        const bool delMes = celda >= primera && celda <= primera + dias - 1;
        boton->setText(delMes ? QString::number(celda - primera + 1) : kSinDia);
        boton->setCheckable(delMes);
        boton->setAttribute(Qt::WA_TransparentForMouseEvents, !delMes);
        boton->setFocusPolicy(delMes ? Qt::StrongFocus : Qt::NoFocus);
        pintarCelda(celda, !delMes ? kNegro : Almanaque::EsFinDeSemana(celda) ? kRojo : kAzul);
    }
    armado_ = true;
}

void CalendarioBusqueda::Seleccionar(int DIA, bool Asignar)
{
    armado_ = false;
    for (int celda = 0; celda < Almanaque::kCeldas; ++celda) {
        if (OptDia[static_cast<size_t>(celda)]->text() == kSinDia) pintarCelda(celda, kNegro);
    }
    QToolButton* elegido = OptDia.at(static_cast<size_t>(DIA));
    if (Asignar) {
        const bool rojo = elegido->palette().color(QPalette::ButtonText) == kRojo;
        pintarCelda(DIA, rojo ? kAzul : kRojo);
    }
    elegido->setChecked(true);
    armado_ = true;
}

qint16 CalendarioBusqueda::IndCaption(const QString& Caption) const
{
    for (int celda = 0; celda < Almanaque::kCeldas; ++celda) {
        if (vb::SameText(OptDia[static_cast<size_t>(celda)]->text(), Caption)) return static_cast<qint16>(celda);
    }
    return 0;
}

void CalendarioBusqueda::MostrarMesAnio(int mes, int anio)
{
    const QSignalBlocker bloqueoMes(CmbMes);
    const QSignalBlocker bloqueoAnio(CmbAño);
    CmbMes->setCurrentText(Almanaque::NombreMes(mes));
    CmbAño->setCurrentText(QString::number(anio));
}

int CalendarioBusqueda::MesElegido() const { return Almanaque::Nromes(CmbMes->currentText()); }

int CalendarioBusqueda::AnioElegido() const { return CmbAño->currentText().toInt(); }

int CalendarioBusqueda::CeldaSeleccionada() const { return grupo_->checkedId(); }

void CalendarioBusqueda::mesOAnioElegido()
{
    if (MesElegido() > 0 && AnioElegido() > 0) ArmarAlmanaque(MesElegido(), AnioElegido());
}

void CalendarioBusqueda::pintarCelda(int celda, const QColor& color)
{
    QToolButton* boton = OptDia[static_cast<size_t>(celda)];
    QPalette paleta = boton->palette();
    paleta.setColor(QPalette::ButtonText, color);
    boton->setPalette(paleta);
}

void CalendarioBusqueda::quitarSeleccion()
{
    grupo_->setExclusive(false);
    for (QToolButton* boton : OptDia) boton->setChecked(false);
    grupo_->setExclusive(true);
}

int CalendarioBusqueda::celdaDe(QObject* objeto) const
{
    for (int celda = 0; celda < Almanaque::kCeldas; ++celda) {
        if (OptDia[static_cast<size_t>(celda)] == objeto) return celda;
    }
    return -1;
}

// A double click confirms the day; Enter on a cell confirms the one chosen.
bool CalendarioBusqueda::eventFilter(QObject* objeto, QEvent* evento)
{
    const int celda = celdaDe(objeto);
    if (celda < 0 || !OptDia[static_cast<size_t>(celda)]->isCheckable()) return QFrame::eventFilter(objeto, evento);
    if (evento->type() == QEvent::MouseButtonDblClick && armado_) {
        emit diaConfirmado(celda);
        return true;
    }
    if (evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            emit enterEnDia();
            return true;
        }
    }
    return QFrame::eventFilter(objeto, evento);
}
