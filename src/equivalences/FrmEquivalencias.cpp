#include "equivalences/FrmEquivalencias.h"

#include "commandbar/ItemSets.h"
#include "commandbar/MemoryPropertyBag.h"
#include "commandbar/UtilVex.h"
#include "database/DB_Dll.h"
#include "equivalences/ModeloGrillaEquivalencias.h"
#include "lookups/ConsultaCampos.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/ui/BoundLabel.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/KeyCodes.h"
#include "platform/ui/TextField.h"
#include "platform/ui/VbColor.h"
#include "replication/GrabacionConReplica.h"
#include "replication/ModGruposEmp.h"
#include "session/AparienciaVentanas.h"
#include "session/Sesion.h"
#include "session/VerificaConexion.h"
#include "styling/EstiloFormulario.h"
#include "suitesupport/QvCampos.h"
#include "suitesupport/QvFunciones.h"
#include "suitesupport/QvPlanilla.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

#include <algorithm>
#include <QVBoxLayout>

namespace {

constexpr char kTitulo[] = "Actualización de Equivalencias";
constexpr char kEjemplo[] = "Ej:";
constexpr int kAncho = 980;
constexpr int kAlto = 640;
// The command that sends again the copies other databases have not taken yet.
constexpr char kComandoPendientes[] = "ENVIAR";
// The consistency check, on a function key the bar leaves free.
constexpr char kComandoVerificar[] = "VERIFICAR";
constexpr int kTeclaVerificar = vb::vbKeyF8;
// The history of the article or pair on screen, the undo of a generic save,
// and equivalences from a spreadsheet.
constexpr char kComandoHistorial[] = "HISTORIAL";
constexpr char kComandoDeshacer[] = "DESHACER";
constexpr char kComandoImportar[] = "IMPORTAR";

// Saved properties of the window's command bar. Its colours are saved too,
// but the bar takes them from the theme the settings file chooses.
constexpr double kAltoItem = 600;
constexpr double kTamanoIcono = 630;
constexpr int kIconoPx = 42;

const QStringList& comandosVisibles()
{
    static const QStringList comandos{"NUEVO",           "BORRAR",          "REPORTE",         "CONSULTAR",
                                      "CANCELAR",        "GRABAR",          kComandoPendientes, kComandoVerificar,
                                      kComandoHistorial, kComandoDeshacer,  kComandoImportar, "CERRAR"};
    return comandos;
}

// The disabled colours are left alone, so a disabled field keeps looking disabled.
void pintar(QWidget& campo, qint32 fondo, qint32 texto)
{
    QPalette paleta = campo.palette();
    for (const QPalette::ColorGroup grupo : {QPalette::Active, QPalette::Inactive}) {
        paleta.setColor(grupo, QPalette::Base, vb::ToQColor(fondo));
        paleta.setColor(grupo, QPalette::Text, vb::ToQColor(texto));
    }
    campo.setPalette(paleta);
}

}  // namespace

FrmEquivalencias::FrmEquivalencias(DB_Dll& base, Replicacion& replicacion, QWidget* parent)
    : QWidget(parent), base_(base), replicacion_(replicacion), modelo_(base, replicacion)
{
    setWindowTitle(kTitulo);
    crearControles();
    prepararBarra();
    enlazarModelo();
    vigilarTeclas();
    // Tall enough for every command of the bar, CERRAR last among them.
    resize(kAncho, std::max(kAlto, UtilVex1->sizeHint().height()));
}

FrmEquivalencias::~FrmEquivalencias() = default;

bool FrmEquivalencias::Form_Load()
{
    TrapErrores trap("FORM_LOAD", QvFunciones::TratarError);
    QString conexion;
    bool iniciado = false;
    if (!trap.paso([&] { iniciado = VerificaConexion(false, {}, conexion, db::ado::adUseClient); }) || !iniciado)
        return false;
    (void)modelo_.CrearTablasPropias();
    // A step that fails from here on leaves the window as far as it got, as the suite does.
    if (!trap.paso([this] { AplicarEstiloFormulario(*this, base_.gDBName, true, -1); })) return true;
    if (!trap.paso([this] {
            QvFunciones::PrepararFormulario(*this, 0);
            AsignarIconoFormulario(*this);
            QvFunciones::RestablecerEstado(false);
        })) {
        return true;
    }
    if (!trap.paso([this] { FijarArticulo(gSesion().gParametroAdicional); })) return true;
    if (!trap.paso([this] { Inicializa(); })) return true;
    (void)trap.paso([this] { SSTab1->setCurrentIndex(0); });
    // Copies an earlier run could not make go out once the window is up.
    QTimer::singleShot(0, this, [this] { (void)replicacion_.ReintentarPendientes(); });
    return true;
}

// --- building the window ----------------------------------------------------------------

TextField* FrmEquivalencias::crearCampo(int index, const ModeloEquivalencias::DefinicionCampo& definicion)
{
    auto* campo = new TextField(index, this);
    campo->setObjectName(QStringLiteral("Txtfields_%1").arg(index));
    campo->setDataField(definicion.dataField);
    campo->setTag(definicion.tabla);
    campo->setMaxLength(definicion.largo);
    return campo;
}

BoundLabel* FrmEquivalencias::crearDescripcion(int index, Campo describe)
{
    auto* etiqueta = new BoundLabel(index, this);
    etiqueta->setObjectName(QStringLiteral("LblDesc_%1").arg(index));
    etiqueta->setDataField(ModeloEquivalencias::Definicion(describe).dataField);
    etiqueta->setTag(QStringLiteral("Descripcion"));
    etiqueta->setText(kSinDescripcion);
    etiqueta->setMinimumWidth(anchoDeX(18));
    return etiqueta;
}

// A read-only grid of whole rows; a column of width 0 is hidden.
QTableView* FrmEquivalencias::crearGrilla(QWidget* pestana, const char* nombre, ModeloGrillaEquivalencias* lineas)
{
    auto* grilla = new QTableView(pestana);
    grilla->setObjectName(nombre);
    grilla->setModel(lineas);
    grilla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grilla->setSelectionBehavior(QAbstractItemView::SelectRows);
    grilla->setSelectionMode(QAbstractItemView::SingleSelection);
    grilla->verticalHeader()->setVisible(false);
    grilla->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    grilla->horizontalHeader()->setHighlightSections(false);
    grilla->setAlternatingRowColors(true);
    const QVector<ModeloEquivalencias::Columna>& columnas = lineas->Columnas();
    for (int c = 0; c < columnas.size(); ++c) {
        grilla->setColumnHidden(c, columnas[c].anchoEnX == 0);
        if (columnas[c].anchoEnX > 0) grilla->setColumnWidth(c, anchoDeX(columnas[c].anchoEnX));
    }
    return grilla;
}

void FrmEquivalencias::crearControles()
{
    const QStringList rotulos{"Código Articulo:",    "Unidad Equivalente:", "Coeficiente", "Unidad de Medida:",
                              "Unidad Equivalente:", "Coeficiente",         QString(),     QString(),
                              "Unidad de Medida:"};
    for (int i = 0; i < rotulos.size(); ++i) {
        auto* rotulo = new QLabel(rotulos[i], this);
        rotulo->setObjectName(QStringLiteral("lblLabels_%1").arg(i));
        rotulo->setVisible(!rotulos[i].isEmpty());
        lblLabels.append(rotulo);
    }
    const QVector<ModeloEquivalencias::DefinicionCampo>& campos = ModeloEquivalencias::Campos();
    for (int i = 0; i < campos.size(); ++i) Txtfields.append(crearCampo(i, campos[i]));
    LblDesc = {crearDescripcion(0, Campo::IdUnidad), crearDescripcion(1, Campo::IdArticulo),
               crearDescripcion(2, Campo::IdUnidad_Equiv), crearDescripcion(3, Campo::IdUnidad2),
               crearDescripcion(4, Campo::IdUnidad_Equiv2)};
    for (int i = 1; i < Txtfields.size(); ++i) setTabOrder(Txtfields[i - 1], Txtfields[i]);

    UtilVex1 = new UtilVex(this);
    UtilVex1->setObjectName("UtilVex1");
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName("SSTab1");
    SSTab1->addTab(crearPestanaEquivalencias(), "Equivalencias");
    SSTab1->addTab(crearPestanaEspeciales(), "Especiales");

    auto* principal = new QHBoxLayout(this);
    principal->setContentsMargins(0, 0, 8, 8);
    principal->addWidget(UtilVex1);
    principal->addWidget(SSTab1, 1);

    connect(UtilVex1, &UtilVex::Click, this, [this](const QString& key) { UtilVex1_Click(key); });
    connect(MSFlexGrid1, &QTableView::doubleClicked, this, [this] { MSFlexGrid1_DblClick(); });
}

namespace {

// One row of a "Carga de Datos" frame: caption, field, description.
void agregarFila(QGridLayout& grilla, int fila, QLabel* rotulo, TextField* campo, QLabel* descripcion)
{
    grilla.addWidget(rotulo, fila, 0);
    grilla.addWidget(campo, fila, 1);
    if (descripcion) grilla.addWidget(descripcion, fila, 2);
}

QLabel* titulo(const QString& texto, QWidget* padre, const char* nombre)
{
    auto* etiqueta = new QLabel(texto, padre);
    etiqueta->setObjectName(nombre);
    QFont fuente = etiqueta->font();
    fuente.setBold(true);
    etiqueta->setFont(fuente);
    return etiqueta;
}

// The relation in words: database text, and long enough to need a second line.
QLabel* lineaDeEjemplo(QWidget* padre, const char* nombre)
{
    auto* etiqueta = new QLabel(kEjemplo, padre);
    etiqueta->setObjectName(nombre);
    etiqueta->setTextFormat(Qt::PlainText);
    etiqueta->setWordWrap(true);
    return etiqueta;
}

}  // namespace

QWidget* FrmEquivalencias::crearPestanaEquivalencias()
{
    auto* pestana = new QWidget(this);
    Label1 = titulo("Equivalencias Informadas", pestana, "Label1");
    lineasPorArticulo_ = new ModeloGrillaEquivalencias(ModeloEquivalencias::ColumnasPorArticulo(), this);
    MSFlexGrid1 = crearGrilla(pestana, "MSFlexGrid1", lineasPorArticulo_);
    Frame2 = new QGroupBox("Carga de Datos", pestana);
    Frame2->setObjectName("Frame2");
    LblEj = lineaDeEjemplo(Frame2, "LblEj");

    auto* grilla = new QGridLayout(Frame2);
    agregarFila(*grilla, 0, lblLabels[0], Txtfields[0], LblDesc[1]);
    agregarFila(*grilla, 1, lblLabels[8], Txtfields[1], LblDesc[0]);
    agregarFila(*grilla, 2, lblLabels[1], Txtfields[2], LblDesc[2]);
    agregarFila(*grilla, 3, lblLabels[2], Txtfields[3], nullptr);
    grilla->addWidget(LblEj, 4, 0, 1, 3);
    grilla->setColumnStretch(2, 1);
    Txtfields[0]->setMaximumWidth(anchoDeX(16));
    for (int i : {1, 2}) Txtfields[i]->setMaximumWidth(anchoDeX(6));
    Txtfields[3]->setMaximumWidth(anchoDeX(10));

    auto* columna = new QVBoxLayout(pestana);
    columna->addWidget(Label1);
    columna->addWidget(MSFlexGrid1, 1);
    columna->addWidget(Frame2);
    return pestana;
}

QWidget* FrmEquivalencias::crearPestanaEspeciales()
{
    auto* pestana = new QWidget(this);
    Label4 = titulo("Equivalencias Especiales", pestana, "Label4");
    Label3 = new QLabel(
        "Las equivalencias especiales le permiten crear equivalencias genericas para todos los "
        "articulos que utilicen las  unidades de Medida ingresadas.",
        pestana);
    Label3->setObjectName("Label3");
    Label3->setWordWrap(true);
    lineasEspeciales_ = new ModeloGrillaEquivalencias(ModeloEquivalencias::ColumnasEspeciales(), this);
    MSFlexGrid2 = crearGrilla(pestana, "MSFlexGrid2", lineasEspeciales_);
    Frame1 = new QGroupBox("Carga de Datos", pestana);
    Frame1->setObjectName("Frame1");
    LblEj2 = lineaDeEjemplo(Frame1, "LblEj2");

    auto* grilla = new QGridLayout(Frame1);
    agregarFila(*grilla, 0, lblLabels[3], Txtfields[4], LblDesc[3]);
    agregarFila(*grilla, 1, lblLabels[4], Txtfields[5], LblDesc[4]);
    agregarFila(*grilla, 2, lblLabels[5], Txtfields[6], nullptr);
    grilla->addWidget(LblEj2, 3, 0, 1, 3);
    grilla->setColumnStretch(2, 1);
    for (int i : {4, 5}) Txtfields[i]->setMaximumWidth(anchoDeX(6));
    Txtfields[6]->setMaximumWidth(anchoDeX(10));

    auto* columna = new QVBoxLayout(pestana);
    columna->addWidget(Label4);
    columna->addWidget(Label3);
    columna->addWidget(MSFlexGrid2, 1);
    columna->addWidget(Frame1);
    return pestana;
}

void FrmEquivalencias::prepararBarra()
{
    MemoryPropertyBag guardadas;
    guardadas.WriteProperty("ItemHeight", kAltoItem);
    guardadas.WriteProperty("IconSize", kTamanoIcono);
    guardadas.WriteProperty("IconPx", kIconoPx);
    guardadas.WriteProperty("TamanoIcono", kIconoPx);
    UtilVex1->ReadProperties(guardadas);
    // The program's own commands go just before CERRAR, which stays last.
    UtilVex1->ClearItems();
    for (const ItemSets::Definition& item : ItemSets::DefaultItems()) {
        if (item.key == kComandoImportar) continue;
        if (item.key == "CERRAR") {
            UtilVex1->AddItem(kComandoPendientes, "Enviar",
                              "Enviar las copias pendientes a los puntos de venta y al grupo");
            UtilVex1->AddItem(kComandoVerificar, "Verificar", "Verificar la consistencia de las equivalencias (F8)");
            UtilVex1->AddItem(kComandoHistorial, "Historial",
                              "Ver los cambios del artículo o del par de unidades en pantalla");
            UtilVex1->AddItem(kComandoDeshacer, "Deshacer", "Deshacer una grabación genérica del par de unidades");
            UtilVex1->AddItem(kComandoImportar, "Importar", "Importar equivalencias de una planilla (.xlsx o .csv)");
        }
        UtilVex1->AddItem(item.key, item.caption, item.toolTip);
    }
    const BarModel& items = UtilVex1->Items();
    for (int i = 0; i < items.Count(); ++i) {
        const QString key = items.Item(i).key;
        UtilVex1->SetItemVisible(key, comandosVisibles().contains(key.toUpper()));
    }
    UtilVex1->SetItemVisible("PLANILLA", false);
    UtilVex1->SetItemEnabled("PLANILLA", true);
}

// The fields and the tab shown tell the model what is entered; what the
// model sets or reads comes back to the fields, the grids and the example lines.
void FrmEquivalencias::enlazarModelo()
{
    for (TextField* campoTexto : Txtfields) {
        connect(campoTexto, &QLineEdit::textChanged, this,
                [this, campoTexto](const QString& texto) { modelo_.setValor(campoDe(*campoTexto), texto); });
        connect(campoTexto, &QLineEdit::textEdited, this,
                [this, campoTexto] { sinValidar_.insert(campoTexto->index()); });
    }
    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int pestana) {
        modelo_.setPestana(static_cast<Pestana>(pestana));
        SSTab1_Click(pestana);
    });
    connect(&modelo_, &ModeloEquivalencias::valorCambiado, this, &FrmEquivalencias::mostrarValor);
    connect(&modelo_, &ModeloEquivalencias::equivalenciasDelArticulo, lineasPorArticulo_,
            &ModeloGrillaEquivalencias::Mostrar);
    connect(&modelo_, &ModeloEquivalencias::equivalenciasEspeciales, lineasEspeciales_,
            &ModeloGrillaEquivalencias::Mostrar);
    connect(&modelo_, &ModeloEquivalencias::ejemploCambiado, this,
            [this](Pestana pestana, const QString& linea) { ejemplo(pestana).setText(linea); });
    connect(&modelo_, &ModeloEquivalencias::claveCompleta, this, [this] { DetalleOn(true); });
}

// The window sees every key before the control that has the focus.
void FrmEquivalencias::vigilarTeclas()
{
    installEventFilter(this);
    for (QWidget* hijo : findChildren<QWidget*>()) hijo->installEventFilter(this);
}

int FrmEquivalencias::anchoDeX(int cantidad) const
{
    return cantidad == 0 ? 0 : fontMetrics().horizontalAdvance(QString(cantidad, u'X'));
}

// --- events ------------------------------------------------------------------------------

void FrmEquivalencias::conTratamiento(const QString& rutina, const std::function<void()>& trabajo)
{
    TrapErrores trap(rutina, QvFunciones::TratarError);
    (void)trap.paso(trabajo);
}

bool FrmEquivalencias::eventFilter(QObject* watched, QEvent* event)
{
    auto* campoTexto = qobject_cast<TextField*>(watched);
    const int index = campoTexto ? campoTexto->index() : -1;
    switch (event->type()) {
    case QEvent::KeyPress: {
        // A key goes first to the focused control and then up to its parents:
        // the window looks at it once, when it arrives.
        if (watched != QApplication::focusWidget() && !(watched == this && !QApplication::focusWidget())) return false;
        auto& tecla = static_cast<QKeyEvent&>(*event);
        const int codigo = vb::KeyCodeOf(tecla);
        const int shift = vb::ShiftStateOf(tecla.modifiers());
        // A key the window acts on is spent here. Left to travel on, it would
        // reach this window again after a message box has taken the focus
        // away, and run its command a second time.
        bool comando = false;
        conTratamiento("Form_KeyDown", [&] { comando = Form_KeyDown(codigo, shift); });
        if (comando) return true;
        if (!campoTexto) return false;
        if (tecla.key() == Qt::Key_Tab || tecla.key() == Qt::Key_Backtab) {
            bool sale = true;
            conTratamiento("Txtfields_KeyDown", [&] { sale = validarAlSalir(*campoTexto); });
            return !sale;
        }
        conTratamiento("Txtfields_KeyDown", [&] { Txtfields_KeyDown(index, codigo, shift); });
        if (QvCampos::EsTeclaConfirmar(codigo)) return true;
        return Txtfields_KeyPress(index, tecla);
    }
    case QEvent::FocusIn:
        if (campoTexto) Txtfields_GotFocus(index);
        return false;
    case QEvent::FocusOut:
        if (!campoTexto) return false;
        Txtfields_LostFocus(index);
        // The bar's commands validate what they need, or drop it, themselves.
        if (static_cast<QFocusEvent&>(*event).reason() == Qt::MouseFocusReason
            && QApplication::focusWidget() != UtilVex1)
            validarTrasClic(*campoTexto);
        return false;
    case QEvent::MouseButtonPress:
        // A disabled field takes no mouse action; Qt still shows its filters the press.
        if (campoTexto && campoTexto->isEnabled()) {
            const Qt::MouseButton boton = static_cast<QMouseEvent&>(*event).button();
            conTratamiento("Txtfields_MouseDown", [&] { Txtfields_MouseDown(index, boton); });
        }
        return false;
    default: return false;
    }
}

bool FrmEquivalencias::Form_KeyDown(int KeyCode, int)
{
    if (KeyCode != kTeclaVerificar) return UtilVex1->KeyAnalisis(KeyCode);
    if (UtilVex1->isEnabled()) UtilVex1_Click(kComandoVerificar);
    return true;
}

void FrmEquivalencias::Txtfields_GotFocus(int Index)
{
    CampoActual = Index;
    UtilVex1->SetConsultaEnabled(!vb::IsBlank(Txtfields[Index]->tag()));
    pintar(*Txtfields[Index], gSesion().gColorFondoFoco, gSesion().gColorTextoFoco);
}

void FrmEquivalencias::Txtfields_LostFocus(int Index) { pintar(*Txtfields[Index], vb::vbWhite, vb::vbBlack); }

void FrmEquivalencias::Txtfields_KeyDown(int Index, int KeyCode, int)
{
    if (QvCampos::EsTeclaConfirmar(KeyCode)) {
        CampoValida(*Txtfields[Index]);
        if (!modelo_.HayError()) QvCampos::SiguienteCampo(KeyCode);
    }
    // CONSULTAR follows the field that has the focus now.
    UtilVex1->SetConsultaEnabled(!vb::IsBlank(Txtfields[CampoActual]->tag()));
}

// True when the character was dealt with here and the field must not see it.
bool FrmEquivalencias::Txtfields_KeyPress(int Index, QKeyEvent& event)
{
    const QString texto = event.text();
    if (texto.size() != 1 || texto.front() == QChar(vb::vbKeyEscape)) return false;
    const int original = texto.front().unicode();
    const int filtrado = QvCampos::FiltrarTecla(*Txtfields[Index], original);
    if (filtrado == original) return false;
    if (filtrado != 0) Txtfields[Index]->insert(QString(QChar(filtrado)));
    return true;
}

void FrmEquivalencias::Txtfields_MouseDown(int Index, Qt::MouseButton Button)
{
    CampoActual = Index;
    if (Button == Qt::RightButton) ConsultarCampo();
}

void FrmEquivalencias::SSTab1_Click(int pestana)
{
    if (pestana == 1) conTratamiento("SSTab1_Click", [this] { modelo_.CargarEquivEspecial(); });
}

void FrmEquivalencias::MSFlexGrid1_DblClick()
{
    conTratamiento("MSFlexGrid1_DblClick", [this] {
        if (modelo_.CargarFilaPorId(lineasPorArticulo_->Texto(MSFlexGrid1->currentIndex().row(), 0)))
            CampoValida(campo(Campo::IdUnidad_Equiv));
    });
}

void FrmEquivalencias::ConsultarCampo()
{
    TextField& activo = *Txtfields[CampoActual];
    if (vb::IsBlank(activo.tag())) return;
    ConsultaCampos* consulta = Service<ConsultaCampos>::find();
    if (!consulta) return;
    const QString codigo = vb::Trim(consulta->Consultar(vb::Trim(activo.tag()), activo.text()));
    // A lookup left without a choice leaves the field as the operator had it.
    if (codigo.isEmpty()) return;
    activo.setText(codigo);
    Txtfields_KeyDown(CampoActual, vb::vbKeyReturn, 0);
}

bool FrmEquivalencias::validarAlSalir(TextField& texto)
{
    if (!sinValidar_.contains(texto.index())) return true;
    CampoValida(texto);
    return !modelo_.HayError();
}

// The focus has already gone where the operator clicked; a message box in
// the middle of that change would leave it half done, so the check waits.
void FrmEquivalencias::validarTrasClic(TextField& texto)
{
    QTimer::singleShot(0, &texto, [this, &texto] {
        conTratamiento("Txtfields_LostFocus", [&] {
            if (!validarAlSalir(texto)) texto.setFocus();
        });
    });
}

// The first entry field of the tab shown, so nothing is typed where it cannot be seen.
void FrmEquivalencias::enfocarPrimerCampo()
{
    const int indice = SSTab1->currentIndex() == 1 ? campo(Campo::IdUnidad2).index() : (modelo_.ArticuloFijo() ? 1 : 0);
    TextField& primero = *Txtfields[indice];
    primero.setFocus();
    primero.selectAll();
}

void FrmEquivalencias::UtilVex1_Click(const QString& Key)
{
    TrapErrores trap("UtilVex1_Click", QvFunciones::TratarError);
    const QString clave = Key.toUpper();
    const auto paso = [&trap](const std::function<void()>& accion) { return trap.paso(accion); };
    // A command that writes runs as a save: refused while another one is copying.
    const auto comoGrabacion = [&](const std::function<void()>& accion) {
        const GrabacionConReplica grabacion(replicacion_);
        if (grabacion.Aceptada()) (void)paso(accion);
    };
    if (clave == "NUEVO") {
        if (!paso([this] { Inicializa(); })) return;
        modelo_.setModo(Modo::Alta);
        (void)paso([this] { enfocarPrimerCampo(); });
    } else if (clave == "BORRAR") {
        const GrabacionConReplica grabacion(replicacion_);
        if (!grabacion.Aceptada()) return;
        if (MsgBox("Confirma la baja de este registro?", vb::vbExclamation + vb::vbYesNo + vb::vbDefaultButton2,
                   "Atención!")
            != vb::vbYes) {
            return;
        }
        modelo_.setModo(Modo::Baja);
        if (!paso([this] { ActualizarDatos(); }) || modelo_.HayError()) return;
        if (!paso([this] { Inicializa(); })) return;
        (void)paso([this] { enfocarPrimerCampo(); });
    } else if (clave == "GRABAR") {
        const GrabacionConReplica grabacion(replicacion_);
        if (!grabacion.Aceptada()) return;
        modelo_.setGrabando(true);
        bool validos = false;
        if (!paso([&] { validos = Datosvalidos() && confirmarGenerica(); })) return;
        if (!validos) {
            modelo_.setGrabando(false);
            return;
        }
        if (!paso([this] { ActualizarDatos(); })) return;
        if (modelo_.HayError()) {
            modelo_.setGrabando(false);
            return;
        }
        if (!paso([this] { Inicializa(); })) return;
        if (!paso([this] { enfocarPrimerCampo(); })) return;
        modelo_.setGrabando(false);
    } else if (clave == "PLANILLA") {
        (void)paso([this] {
            QvPlanilla::ExportarPlanilla("SELECT * FROM " + modelo_.TablaActiva() + " ORDER BY IDARTICULO",
                                         base_.gCnn.ConnectionString(), "Velmora");
        });
    } else if (clave == "CONSULTAR") {
        (void)paso([this] { ConsultarCampo(); });
    } else if (clave == kComandoVerificar) {
        comoGrabacion([this] { Verificar(); });
    } else if (clave == kComandoPendientes) {
        (void)paso([this] { EnviarPendientes(); });
    } else if (clave == kComandoHistorial) {
        (void)paso([this] { MostrarHistorial(); });
    } else if (clave == kComandoDeshacer) {
        comoGrabacion([this] { DeshacerGrabacionGenerica(); });
    } else if (clave == kComandoImportar) {
        comoGrabacion([this] { Importar(); });
    } else if (clave == "CERRAR") {
        Form_Unload();
    } else if (clave == "CANCELAR") {
        if (MsgBox("¿Realmente desea abandonar la carga de datos?", vb::vbQuestion + vb::vbYesNo + vb::vbDefaultButton2,
                   "Aviso al Operador")
            != vb::vbYes) {
            return;
        }
        if (!paso([this] { Inicializa(); })) return;
        if (!paso([this] { enfocarPrimerCampo(); })) return;
        modelo_.setGrabando(false);
    }
}

void FrmEquivalencias::closeEvent(QCloseEvent* event)
{
    event->accept();
    Form_Unload();
}

void FrmEquivalencias::Form_Unload()
{
    QvFunciones::RestablecerEstado(false);
    modelo_.LiberarRegistro();
    hide();
    emit Descargada();
}
