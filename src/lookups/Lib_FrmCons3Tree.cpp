#include "lookups/Lib_FrmCons3Tree.h"

#include "database/DB_Dll.h"
#include "database/TextoSQL.h"
#include "lookups/ArbolCodigos.h"
#include "lookups/TextoConsulta.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/db/Recordset.h"
#include "styling/EstiloFormulario.h"
#include "suitesupport/QvFunciones.h"
#include "suitesupport/TratamientoErrores.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

constexpr char kTitulo[] = "Consulta...";
constexpr char kFamilias[] = "v_ta_familias";
// Families and their parent: the greatest code that sorts before and is shorter.
constexpr char kConsultaFamilias[] =
    "SELECT     TOP 100 PERCENT IdFamilia, Descripcion, (SELECT     TOP 1 idfamilia FROM @Admin_v_ta_familias a  "
    " Where a.IdFamilia < b.IdFamilia And (Len(LTrim(RTrim(a.IdFamilia))) < Len(LTrim(RTrim(b.IdFamilia)))) "
    " ORDER BY idfamilia DESC) AS [relative] FROM dbo.V_TA_FAMILIAS b Where IdFamilia<>'' ORDER BY IdFamilia";
// Checking a node carries its mark this many levels down.
constexpr int kNivelesMarcados = 6;
constexpr QSize kTamano(520, 560);

TrapErrores Trampa(const QString& rutina) { return TrapErrores(rutina, QvFunciones::TratarError); }

QString Texto(db::Recordset& registros, int campo) { return QvFunciones::ValorATexto(registros.Fields(campo).Value()); }

}  // namespace

Lib_FrmCons3Tree::Lib_FrmCons3Tree(DB_Dll& base, QWidget* parent)
    : QDialog(parent),
      lblFieldName(new QLabel("Buscar:", this)),
      CmbSearch(new QComboBox(this)),
      TreeV(new QTreeWidget(this)),
      Frame1(new QFrame(this)),
      CmdAceptar(new QPushButton("&Aceptar", Frame1)),
      CmdCancelar(new QPushButton("&Cancelar", Frame1)),
      CmdNueva(new QPushButton("&Nueva Busqueda", Frame1)),
      base_(base),
      arbol_(std::make_unique<ArbolCodigos>(*TreeV))
{
    setWindowTitle(kTitulo);
    CmbSearch->setEditable(true);
    CmbSearch->setInsertPolicy(QComboBox::NoInsert);
    CmbSearch->setToolTip("F5 realiza nueva busqueda");
    CmbSearch->installEventFilter(this);
    TreeV->setHeaderHidden(true);
    TreeV->setRootIsDecorated(true);
    TreeV->setUniformRowHeights(true);
    disponerControles();
    connect(CmbSearch, &QComboBox::editTextChanged, this, &Lib_FrmCons3Tree::BuscarEnArbol);
    connect(TreeV, &QTreeWidget::itemDoubleClicked, this, &Lib_FrmCons3Tree::Aceptar);
    connect(TreeV, &QTreeWidget::itemChanged, this, &Lib_FrmCons3Tree::MarcaCambiada);
    connect(CmdAceptar, &QPushButton::clicked, this, &Lib_FrmCons3Tree::Aceptar);
    connect(CmdCancelar, &QPushButton::clicked, this, &Lib_FrmCons3Tree::Cancelar);
    connect(CmdNueva, &QPushButton::clicked, this, &Lib_FrmCons3Tree::NuevaBusqueda);
    AplicarEstiloFormulario(*this, base_.gDBName);
    resize(kTamano);
}

Lib_FrmCons3Tree::~Lib_FrmCons3Tree() = default;

void Lib_FrmCons3Tree::disponerControles()
{
    auto* busqueda = new QHBoxLayout;
    busqueda->addWidget(lblFieldName);
    busqueda->addWidget(CmbSearch, 1);
    auto* botones = new QHBoxLayout(Frame1);
    botones->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* boton : {CmdAceptar, CmdCancelar, CmdNueva}) {
        boton->setAutoDefault(false);
        botones->addWidget(boton);
    }
    botones->addStretch();
    auto* ventana = new QVBoxLayout(this);
    ventana->addLayout(busqueda);
    ventana->addWidget(TreeV, 1);
    ventana->addWidget(Frame1);
}

void Lib_FrmCons3Tree::Form_Load()
{
    Valores.clear();
    Armar();
    if (!isVisible()) QvFunciones::PrepararFormulario(*this, 0);
}

void Lib_FrmCons3Tree::Armar()
{
    if (vb::ContainsText(sql, kFamilias))
        ArmarTreeVFamilias();
    else
        ArmarTreeVAutomatico();
}

void Lib_FrmCons3Tree::ArmarTreeVFamilias()
{
    TrapErrores trap = Trampa("ArmarTreeVFamilias");
    const QScopedValueRollback callado(propagando_, true);
    arbol_->Reiniciar(CheckBoxes);
    sql = kConsultaFamilias;
    db::Recordset registros;
    if (!trap.paso([&] { base_.AbrirRecordset(sql, registros); })) return;
    if (registros.State() == db::ado::adStateClosed) return;
    (void)trap.paso([&] {
        for (; !registros.Eof(); registros.MoveNext())
            arbol_->AgregarBajo(Texto(registros, 0), Texto(registros, 1), Texto(registros, 2));
    });
    base_.CierraRecordset(registros);
}

void Lib_FrmCons3Tree::ArmarTreeVAutomatico()
{
    TrapErrores trap = Trampa("ArmarTreeVAutomatico");
    const QScopedValueRollback callado(propagando_, true);
    arbol_->Reiniciar(CheckBoxes);
    db::Recordset registros;
    if (!trap.paso([&] { base_.AbrirRecordset(QString(sql), registros); })) return;
    if (registros.State() == db::ado::adStateClosed) return;
    (void)trap.paso([&] {
        for (; !registros.Eof(); registros.MoveNext())
            arbol_->AgregarPorPrefijo(Texto(registros, 0), Texto(registros, 1));
    });
    base_.CierraRecordset(registros);
}

void Lib_FrmCons3Tree::BuscarEnArbol(const QString& texto)
{
    const QString buscado = vb::Trim(texto);
    if (buscado.isEmpty()) return;
    for (QTreeWidgetItemIterator nodo(TreeV); *nodo; ++nodo) {
        const bool coincide = ArbolCodigos::Codigo(**nodo).startsWith(buscado, Qt::CaseInsensitive)
                              || vb::Trim(ArbolCodigos::Descripcion(**nodo)).startsWith(buscado, Qt::CaseInsensitive);
        if (!coincide) continue;
        TreeV->setCurrentItem(*nodo);
        TreeV->scrollToItem(*nodo);
        return;
    }
}

void Lib_FrmCons3Tree::BuscarEnServidor()
{
    TrapErrores trap = Trampa("CmbSearch_KeyDown");
    (void)trap.paso([this] {
        const SentenciaPartida partes = PartirSentencia(sql);
        const QString filtro = "Descripcion like '%" + ComillasDobladas(CmbSearch->currentText()) + "%'";
        sql = AgregarCondicion(partes.cabeza, filtro, " where ") + " " + partes.resto;
        const QSignalBlocker callada(CmbSearch);
        CmbSearch->clearEditText();
    });
    Armar();
}

void Lib_FrmCons3Tree::NuevaBusqueda() { Armar(); }

void Lib_FrmCons3Tree::MarcaCambiada(QTreeWidgetItem* nodo)
{
    if (propagando_ || !CheckBoxes) return;
    const QScopedValueRollback propagando(propagando_, true);
    QList<QTreeWidgetItem*> nivel{nodo};
    for (int profundidad = 0; profundidad < kNivelesMarcados && !nivel.isEmpty(); ++profundidad) {
        QList<QTreeWidgetItem*> siguiente;
        for (QTreeWidgetItem* padre : nivel) {
            for (int i = 0; i < padre->childCount(); ++i) {
                padre->child(i)->setCheckState(0, padre->checkState(0));
                siguiente.append(padre->child(i));
            }
        }
        nivel = siguiente;
    }
}

QString Lib_FrmCons3Tree::ValorAceptado(const QString& codigo) const
{
    db::Recordset fila;
    const auto valor = [&](const QString& tabla, const QString& columna) -> std::optional<QString> {
        if (!base_.ExisteEnTabla(tabla, codigo, columna, &fila)) return std::nullopt;
        return QvFunciones::ValorATexto(fila.Fields(columna).Value());
    };
    const QString campo = vb::Trim(CampoDevuelto);
    if (vb::SameText(campo, "IDFAMILIA")) return valor("@admin_V_TA_FAMILIAS", "IDFAMILIA").value_or(QString());
    if (vb::SameText(campo, "IDPOSICION")) return valor("MA_POSICIONES", "IDPOSICION").value_or(QString());
    if (!vb::SameText(campo, "CODIGO")) return ValorDevuelto;
    if (const std::optional<QString> centro = valor("TA_CCOSTO", "CODIGO")) return *centro;
    return valor("MA_CUENTAS", "CODIGO").value_or(QString());
}

void Lib_FrmCons3Tree::AgregarMarcados()
{
    const QString campo = vb::Trim(CampoDevuelto);
    for (QTreeWidgetItemIterator nodo(TreeV, QTreeWidgetItemIterator::Checked); *nodo; ++nodo) {
        const QString codigo = vb::Trim(ArbolCodigos::Codigo(**nodo));
        if (codigo.isEmpty()) continue;
        if (vb::SameText(campo, "IDFAMILIA") || vb::SameText(campo, "CODIGO")) {
            Valores.append(codigo);
        } else if (vb::SameText(campo, "IDPOSICION")) {
            const QString posicion = ValorAceptado(codigo);
            if (!posicion.isEmpty()) Valores.append(posicion);
        }
    }
}

void Lib_FrmCons3Tree::Aceptar()
{
    TrapErrores trap = Trampa("CmdAceptar_Click");
    (void)trap.paso([this] {
        if (CheckBoxes) {
            AgregarMarcados();
        } else if (QTreeWidgetItem* nodo = TreeV->currentItem()) {
            ValorDevuelto = ValorAceptado(ArbolCodigos::Codigo(*nodo));
        }
    });
    accept();
}

void Lib_FrmCons3Tree::Cancelar()
{
    ValorDevuelto.clear();
    Valores.clear();
    QDialog::reject();
}

void Lib_FrmCons3Tree::reject() { Cancelar(); }

bool Lib_FrmCons3Tree::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto != CmbSearch || evento->type() != QEvent::KeyPress) return QDialog::eventFilter(objeto, evento);
    const int tecla = static_cast<const QKeyEvent&>(*evento).key();
    if (tecla == Qt::Key_F5) {
        BuscarEnServidor();
        return true;
    }
    if (tecla == Qt::Key_Up || tecla == Qt::Key_Down || tecla == Qt::Key_PageUp || tecla == Qt::Key_PageDown) {
        TreeV->setFocus();
        return true;
    }
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
        Aceptar();
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}
