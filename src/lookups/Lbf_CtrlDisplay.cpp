#include "lookups/Lbf_CtrlDisplay.h"

#include "lookups/CuadrosAnimacion.h"
#include "lookups/LineaCartel.h"
#include "styling/EstiloFormulario.h"
#include "suitesupport/QvFunciones.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kLadoImagen = 48;
constexpr qreal kOpacidad = 200.0 / 255.0;
constexpr int kMargen = 16;
constexpr int kSeparacion = 14;
constexpr int kInterlineado = 4;
}  // namespace

Lbf_CtrlDisplay::Lbf_CtrlDisplay(const QString& BaseDatos)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      CmdDisplayCancelar(new QPushButton(kTextoCancelar, this)),
      Image1(new QLabel(this)),
      BarraAvance(new QProgressBar(this)),
      Timer1(new QTimer(this)),
      imagenes_(DibujarCuadrosAnimacion(kLadoImagen, devicePixelRatioF()))
{
    setWindowTitle(kTituloPorDefecto);
    for (auto& linea : LblCtrol) linea = new LineaCartel(this);
    Image1->setFixedSize(kLadoImagen, kLadoImagen);
    Image1->setPixmap(ImageList1(1));
    BarraAvance->setTextVisible(false);
    BarraAvance->hide();
    disponerControles();
    setWindowOpacity(kOpacidad);
    connect(Timer1, &QTimer::timeout, this, &Lbf_CtrlDisplay::Timer1_Timer);
    connect(CmdDisplayCancelar, &QPushButton::clicked, this, &Lbf_CtrlDisplay::CmdDisplayCancelar_Click);
    AplicarEstiloFormulario(*this, BaseDatos);
}

// Picture on the left, the lines beside it, the button under the lines. The
// window takes exactly the size its controls need, so that hiding the button
// leaves no gap.
void Lbf_CtrlDisplay::disponerControles()
{
    auto* texto = new QVBoxLayout;
    texto->setSpacing(kInterlineado);
    for (auto* linea : LblCtrol) texto->addWidget(linea);
    texto->addWidget(BarraAvance);
    auto* boton = new QHBoxLayout;
    boton->setContentsMargins(0, kSeparacion / 2, 0, 0);
    boton->addStretch();
    boton->addWidget(CmdDisplayCancelar);
    texto->addLayout(boton);

    auto* ventana = new QHBoxLayout(this);
    ventana->setContentsMargins(kMargen, kMargen, kMargen, kMargen);
    ventana->setSpacing(kSeparacion);
    ventana->setSizeConstraint(QLayout::SetFixedSize);
    ventana->addWidget(Image1, 0, Qt::AlignTop);
    ventana->addLayout(texto);
}

void Lbf_CtrlDisplay::Iniciar(const QString& titulo, bool permiteCancelar)
{
    setWindowTitle(titulo);
    CmdDisplayCancelar->setVisible(permiteCancelar);
    layout()->activate();
    winId();  // where the platform knows the frame before showing, centring counts it
    QvFunciones::PrepararFormulario(*this, 0);
    Timer1->start(kIntervaloAnimacion);
    show();
}

void Lbf_CtrlDisplay::MostrarLinea(int indice, const QString& texto)
{
    LblCtrol.at(static_cast<std::size_t>(indice))->setText(texto);
}

// Steps beyond a bar's int range are scaled to thousandths.
void Lbf_CtrlDisplay::MostrarAvance(qsizetype hecho, qsizetype total)
{
    constexpr int kMilesimas = 1000;
    BarraAvance->setRange(0, kMilesimas);
    BarraAvance->setValue(total > 0 ? static_cast<int>(hecho * kMilesimas / total) : 0);
    BarraAvance->show();
}

bool Lbf_CtrlDisplay::Abortado() const { return CmdDisplayCancelar->text() == kTextoAbortado; }

void Lbf_CtrlDisplay::Reanudar() { CmdDisplayCancelar->setText(kTextoCancelar); }

void Lbf_CtrlDisplay::FijarSiempreVisible(bool siempreVisible)
{
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == siempreVisible) return;
    const bool visible = isVisible();
    const QPoint posicion = pos();
    // Changing a window's flags hides it; it comes back where it was.
    setWindowFlag(Qt::WindowStaysOnTopHint, siempreVisible);
    move(posicion);
    if (visible) show();
}

void Lbf_CtrlDisplay::Timer1_Timer()
{
    ++contador_;
    Image1->setPixmap(ImageList1(contador_));
    if (contador_ == kImagenes) contador_ = 0;
    for (auto* linea : LblCtrol) linea->Refrescar();
}

const QPixmap& Lbf_CtrlDisplay::ImageList1(int indice) const { return imagenes_.at(indice - 1); }

void Lbf_CtrlDisplay::closeEvent(QCloseEvent* evento) { evento->ignore(); }

void Lbf_CtrlDisplay::CmdDisplayCancelar_Click() { CmdDisplayCancelar->setText(kTextoAbortado); }
