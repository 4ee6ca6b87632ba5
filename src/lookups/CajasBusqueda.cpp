#include "lookups/CajasBusqueda.h"

#include "platform/ui/Twips.h"
#include "platform/ui/VbColor.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

namespace {

constexpr char kAyuda[] = "F5 realiza nueva busqueda";
// A box is this much narrower than its column, so that neighbours do not touch.
constexpr double kHuecoTwips = 50;
constexpr qint32 kColorEnfocada = 0xFFFF00;  // blue-green-red order: blue-green

QString HojaDeCajas()
{
    return QString(
               "QComboBox { background-color: white; border: 1px solid #a0a0a0; padding: 1px 2px; }"
               " QComboBox:focus { background-color: %1; }")
        .arg(vb::ToQColor(kColorEnfocada).name());
}

}  // namespace

CajasBusqueda::CajasBusqueda(QTableView& lista, QObject& teclas, QWidget* parent)
    : QWidget(parent), lista_(lista), teclas_(teclas)
{
    NuevaCaja(0);
    setFixedHeight(cajas_.front()->sizeHint().height());
    QHeaderView* encabezado = lista_.horizontalHeader();
    connect(encabezado, &QHeaderView::sectionResized, this, &CajasBusqueda::Colocar);
    connect(encabezado, &QHeaderView::sectionMoved, this, &CajasBusqueda::Colocar);
    connect(encabezado, &QHeaderView::geometriesChanged, this, &CajasBusqueda::Colocar);
    connect(lista_.horizontalScrollBar(), &QScrollBar::valueChanged, this, &CajasBusqueda::Colocar);
}

QComboBox* CajasBusqueda::NuevaCaja(int indice)
{
    auto* caja = new QComboBox(this);
    caja->setObjectName(QString("CmbSearch%1").arg(indice));
    caja->setEditable(true);
    caja->setInsertPolicy(QComboBox::NoInsert);
    caja->setToolTip(kAyuda);
    caja->setStyleSheet(HojaDeCajas());
    caja->installEventFilter(this);
    caja->installEventFilter(&teclas_);
    connect(caja, &QComboBox::editTextChanged, this,
            [this, indice](const QString& texto) { emit TextoCambiado(indice, texto); });
    if (!cajas_.empty()) QWidget::setTabOrder(cajas_.back(), caja);
    cajas_.push_back(caja);
    return caja;
}

void CajasBusqueda::Preparar(const QStringList& campos)
{
    campos_ = campos;
    cantidad_ = static_cast<int>(std::max<qsizetype>(campos.size(), 1));
    while (cajas_.size() < static_cast<std::size_t>(cantidad_)) NuevaCaja(static_cast<int>(cajas_.size()));
    for (std::size_t i = 0; i < cajas_.size(); ++i) {
        QComboBox* caja = cajas_[i];
        const QSignalBlocker callada(caja);
        caja->clearEditText();
        caja->setVisible(static_cast<int>(i) < cantidad_);
    }
    actual_ = 0;
    Colocar();
}

void CajasBusqueda::Colocar()
{
    const QHeaderView* encabezado = lista_.horizontalHeader();
    const int inicio = lista_.frameWidth() + lista_.verticalHeader()->width() * lista_.verticalHeader()->isVisible();
    const int hueco = vb::PixelsFromTwips(kHuecoTwips);
    for (int i = 0; i < cantidad_; ++i) {
        QComboBox* caja = Caja(i);
        const int ancho = i < encabezado->count() ? encabezado->sectionSize(i) - hueco : width();
        const int izquierda = i < encabezado->count() ? inicio + encabezado->sectionViewportPosition(i) : 0;
        caja->setGeometry(izquierda, 0, std::max(ancho, 0), height());
        caja->setVisible(ancho > 0);
    }
}

bool CajasBusqueda::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::FocusIn) {
        for (int i = 0; i < cantidad_; ++i) {
            if (Caja(i) != objeto) continue;
            actual_ = i;
            emit Enfocada(i);
        }
    }
    return QWidget::eventFilter(objeto, evento);
}
