#include "codesearch/FrmPruebaBusqueda.h"

#include "codesearch/BusquedaCodigo.h"
#include "platform/ui/Twips.h"
#include "styling/EstiloFormulario.h"

#include <QComboBox>
#include <QLabel>

#include <array>
#include <utility>

namespace {

// The tables offered: what the operator reads, and the name the box is given.
constexpr std::array<std::pair<const char*, const char*>, 3> kTablas{{
    {"Artículos", "V_MA_ARTICULOS"},
    {"Unidades (con alta directa)", "V_TA_Unidad"},
    {"Usuarios", "TA_USUARIOS"},
}};

// Geometry, in twips.
constexpr int kMargen = 120;
constexpr int kAltoFila = 315;
constexpr int kArribaCajas = 600;
constexpr int kAnchoBusqueda = 5400;
constexpr int kAltoBusqueda = 3600;
constexpr int kIzquierdaFecha = 5900;
constexpr int kAnchoVentana = 9200;
constexpr int kAltoVentana = 4900;
constexpr int kAnchoEtiqueta = 900;

int px(int twips) { return vb::PixelsFromTwips(twips); }

}  // namespace

FrmPruebaBusqueda::FrmPruebaBusqueda(DB_Dll& base, const QString& conexion, const QString& usuario,
                                     const QString& baseDatos, QWidget* parent)
    : QWidget(parent),
      CmbTabla(new QComboBox(this)),
      BusquedaTabla(new BusquedaCodigo(base, this)),
      BusquedaFecha(new BusquedaCodigo(base, this)),
      LblCodigo(etiqueta(kPrefijoCodigo, kMargen, kArribaCajas + kAltoBusqueda + kMargen, kAnchoBusqueda)),
      LblFecha(etiqueta(kPrefijoFecha, kIzquierdaFecha, kArribaCajas + kAltoBusqueda + kMargen, kAnchoBusqueda))
{
    setWindowTitle("Búsqueda de códigos - " + baseDatos);
    setFixedSize(px(kAnchoVentana), px(kAltoVentana));
    CmbTabla->setObjectName("CmbTabla");
    BusquedaTabla->setObjectName("BusquedaTabla");
    BusquedaFecha->setObjectName("BusquedaFecha");
    LblCodigo->setObjectName("LblCodigo");
    LblFecha->setObjectName("LblFecha");

    etiqueta("Tabla:", kMargen, kMargen, kAnchoEtiqueta);
    CmbTabla->setGeometry(px(kMargen + kAnchoEtiqueta), px(kMargen - 30), px(kAnchoBusqueda - kAnchoEtiqueta),
                          px(kAltoFila + 45));
    for (const auto& [nombre, tabla] : kTablas) CmbTabla->addItem(QString::fromUtf8(nombre), QString(tabla));
    etiqueta("Fecha:", kIzquierdaFecha, kMargen, kAnchoEtiqueta);

    for (BusquedaCodigo* caja : {BusquedaTabla, BusquedaFecha}) {
        caja->setConnString(conexion);
        caja->Usuario = usuario;
    }
    BusquedaTabla->setGeometry(px(kMargen), px(kArribaCajas), px(kAnchoBusqueda), px(kAltoBusqueda));
    BusquedaFecha->move(px(kIzquierdaFecha), px(kArribaCajas));
    connect(BusquedaTabla, &BusquedaCodigo::CodigoObtenido, this,
            [this] { LblCodigo->setText(kPrefijoCodigo + BusquedaTabla->codigo); });
    connect(BusquedaFecha, &BusquedaCodigo::CodigoObtenido, this,
            [this] { LblFecha->setText(kPrefijoFecha + BusquedaFecha->codigo); });
    connect(CmbTabla, &QComboBox::currentIndexChanged, this, &FrmPruebaBusqueda::CmbTabla_Change);

    AplicarEstiloFormulario(*this, baseDatos, true, -1);
    CmbTabla_Change();
    QString fecha = BusquedaCodigo::kTablaFecha;
    BusquedaFecha->BusquedaDisponible(fecha);
}

void FrmPruebaBusqueda::CmbTabla_Change()
{
    QString tabla = CmbTabla->currentData().toString();
    BusquedaTabla->BusquedaDisponible(tabla);
    LblCodigo->setText(kPrefijoCodigo);
}

QLabel* FrmPruebaBusqueda::etiqueta(const QString& texto, int izquierda, int arriba, int ancho)
{
    auto* rotulo = new QLabel(texto, this);
    rotulo->setTextFormat(Qt::PlainText);
    rotulo->setGeometry(px(izquierda), px(arriba), px(ancho), px(kAltoFila));
    return rotulo;
}
