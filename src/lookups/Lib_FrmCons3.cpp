#include "lookups/Lib_FrmCons3.h"

#include "database/DB_Dll.h"
#include "database/TextoSQL.h"
#include "lookups/ArchivoAnchos.h"
#include "lookups/CajasBusqueda.h"
#include "lookups/LanzadorNuevo.h"
#include "lookups/ModeloConsulta.h"
#include "lookups/TextoConsulta.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/db/ColumnType.h"
#include "platform/db/Recordset.h"
#include "platform/os/System.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/KeyCodes.h"
#include "platform/ui/Twips.h"
#include "platform/ui/VbColor.h"
#include "session/Configuracion.h"
#include "session/Sesion.h"
#include "styling/EstiloFormulario.h"
#include "suitesupport/QvFunciones.h"
#include "suitesupport/TratamientoErrores.h"

#include <QComboBox>
#include <QDateTime>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

#include <array>
#include <numeric>

namespace {

constexpr char kTitulo[] = "Consulta...";
constexpr int kTamanoLetraLista = 10;
constexpr int kAnchoNumerico = 12;  // characters of a numeric column
constexpr int kTamanoDeAnchoNumerico = 6;
constexpr int kAnchoMaximo = 60;
constexpr int kAnchoExtra = 10;  // characters added by "@10"
constexpr char kMasAncho[] = "@10";
constexpr char kColumnaCantidad[] = "**Cantidad**";
constexpr int kFilasVisibles = 18;
// Twips around the list, as the window's width is figured.
constexpr double kMargenLista = 360;
constexpr double kMargenVentana = 280;
constexpr double kMargenPantalla = 480;

// The maintenance program of each table looked up; any other table goes to
// the general table-maintenance program with the table's name.
constexpr char kProgramaTablas[] = "TablasGenerales";
struct ProgramaNuevo {
    std::array<const char*, 2> tablas;
    const char* programa;
    const char* parametro;  // nullptr: the table's name
};
constexpr std::array kProgramasNuevo{
    ProgramaNuevo{{"V_TA_RUBROS", "V_TA_UNIDAD"}, kProgramaTablas, nullptr},
    ProgramaNuevo{{"VT_CLIENTES", ""}, "ClientesProveedores", "1"},
    ProgramaNuevo{{"VT_PROVEEDORES", ""}, "ClientesProveedores", "0"},
    ProgramaNuevo{{"V_TA_Tecnicos", ""}, "Tecnicos", ""},
    ProgramaNuevo{{"V_TA_VENDEDORES", ""}, "Vendedores", ""},
    ProgramaNuevo{{"V_MA_ARTICULOS", "VT_MA_ARTICULOS"}, "Articulos", ""},
};

const ProgramaNuevo* ProgramaDe(const QString& tabla)
{
    for (const ProgramaNuevo& programa : kProgramasNuevo) {
        for (const char* nombre : programa.tablas)
            if (vb::SameText(tabla, nombre)) return &programa;
    }
    return nullptr;
}

bool EsTeclaAceptar(int tecla) { return tecla == Qt::Key_Return || tecla == Qt::Key_Enter; }

bool EsTeclaDeRecorrido(int tecla)
{
    return tecla == Qt::Key_Up || tecla == Qt::Key_Down || tecla == Qt::Key_PageUp || tecla == Qt::Key_PageDown;
}

// A quantity as the column shows it, 0 when it is not a number.
double Cantidad(const QString& texto) { return vb::ParseNumber(texto).value_or(0.0); }

int IndiceDeCampo(db::Recordset& registros, const QString& nombre)
{
    for (int i = 0; i < registros.FieldCount(); ++i)
        if (vb::SameText(registros.Fields(i).Name(), nombre)) return i;
    return -1;
}

}  // namespace

Lib_FrmCons3::Lib_FrmCons3(DB_Dll& base, QWidget* parent)
    : QDialog(parent),
      Label1(new QLabel("CONSULTA", this)),
      lblFieldName(new QLabel(this)),
      ListView1(new QTableView(this)),
      Modelo(new ModeloConsulta(this)),
      Frame1(new QFrame(this)),
      CmdAceptar(new QPushButton("&Aceptar", Frame1)),
      cmdCancelar(new QPushButton("&Cancelar", Frame1)),
      CmdNueva(new QPushButton("&Nueva Busqueda", Frame1)),
      CmdNuevo(new QPushButton("N&uevo", Frame1)),
      CmdTodos(new QPushButton("&Marcar", Frame1)),
      base_(base)
{
    setWindowTitle(kTitulo);
    CmbSearch = new CajasBusqueda(*ListView1, *this, this);
    ListView1->setModel(Modelo);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setShowGrid(false);
    ListView1->setWordWrap(false);
    // Scrolling by whole columns would hide the middle of a column wider than the list.
    ListView1->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    ListView1->verticalHeader()->hide();
    ListView1->horizontalHeader()->setSectionsClickable(true);
    ListView1->horizontalHeader()->setHighlightSections(false);
    ListView1->horizontalHeader()->setStretchLastSection(false);
    ListView1->installEventFilter(this);
    disponerControles();

    connect(CmdAceptar, &QPushButton::clicked, this, &Lib_FrmCons3::Aceptar);
    connect(cmdCancelar, &QPushButton::clicked, this, &Lib_FrmCons3::Cancelar);
    connect(CmdNueva, &QPushButton::clicked, this, &Lib_FrmCons3::NuevaBusqueda);
    connect(CmdNuevo, &QPushButton::clicked, this, &Lib_FrmCons3::Nuevo);
    connect(CmdTodos, &QPushButton::clicked, this, &Lib_FrmCons3::Marcar);
    connect(ListView1, &QTableView::doubleClicked, this, &Lib_FrmCons3::Aceptar);
    connect(ListView1->horizontalHeader(), &QHeaderView::sectionClicked, this, &Lib_FrmCons3::EncabezadoClick);
    connect(ListView1->horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        if (!ajustandoAnchos_) GrabarCfg = true;
    });
    connect(CmbSearch, &CajasBusqueda::TextoCambiado, this, &Lib_FrmCons3::BuscarEnLista);
    connect(CmbSearch, &CajasBusqueda::Enfocada, this,
            [this](int caja) { lblFieldName->setText(CmbSearch->Campo(caja)); });
    AplicarEstiloFormulario(*this, base_.gDBName);
}

Lib_FrmCons3::~Lib_FrmCons3()
{
    if (GrabarCfg) GrabarAnchos();
}

void Lib_FrmCons3::disponerControles()
{
    QFont negrita = Label1->font();
    negrita.setBold(true);
    Label1->setFont(negrita);
    auto* titulo = new QHBoxLayout;
    titulo->addWidget(Label1);
    titulo->addWidget(lblFieldName);
    titulo->addStretch();

    auto* botones = new QHBoxLayout(Frame1);
    botones->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* boton : {CmdAceptar, cmdCancelar, CmdNueva, CmdNuevo, CmdTodos}) {
        boton->setAutoDefault(false);
        botones->addWidget(boton);
    }
    botones->addStretch();

    auto* ventana = new QVBoxLayout(this);
    ventana->addLayout(titulo);
    ventana->addWidget(CmbSearch);
    ventana->setSpacing(4);
    ventana->addWidget(ListView1, 1);
    ventana->addWidget(Frame1);
}

void Lib_FrmCons3::Form_Load()
{
    TrapErrores trap("FORM_LOAD", [](const ErrorVB& error, const QString& rutina) {
        return QvFunciones::TratarError(error, rutina);
    });
    // Columns sized while loading are not the operator's widths.
    const QScopedValueRollback ajustando(ajustandoAnchos_, true);
    EsConsultaArticulos = vb::ContainsText(sql, "articulos");
    Valores.clear();
    Cantidades.clear();
    Modelo->Reiniciar({});
    QFont letra = ListView1->font();
    letra.setBold(true);
    letra.setPointSize(kTamanoLetraLista);
    ListView1->setFont(letra);
    if (vb::IsBlank(sql)) {
        if (!isVisible()) QvFunciones::PrepararFormulario(*this, 0);
        return;
    }
    sql += " ";
    TablaConsulta = TablaDeSentencia(sql);
    if (SqlOriginal.isEmpty()) SqlOriginal = sql;
    SqlActual = sql;

    db::Recordset registros;
    if (!trap.paso([&] { base_.AbrirRecordset(QString(sql), registros); })) return;
    // A statement that did not run was already reported by the database class.
    if (registros.State() == db::ado::adStateClosed) return;
    Modelo->setConMarcas(CheckBoxes);
    if (!trap.paso([&] { Encolumnar(registros); })) return;
    if (!trap.paso([&] { Leer(registros); })) return;
    columnaOrden_ = -1;
    ListView1->horizontalHeader()->setSortIndicatorShown(OrdenarPorLwv);
    if (OrdenarPorLwv) OrdenarLista(0, Qt::AscendingOrder);
    if (!vb::IsBlank(FiltroInicial)) CmbSearch->Caja(0)->setEditText(FiltroInicial);
    if (!trap.paso([&] { base_.CierraRecordset(registros); })) return;
    LeerAnchosGuardados();
    CalcularAncho();
    if (isVisible()) return;
    QvFunciones::PrepararFormulario(*this, 0);
    // The operator can type at once what is looked for.
    CmbSearch->Caja(0)->setFocus();
}

void Lib_FrmCons3::Encolumnar(db::Recordset& registros)
{
    const bool deArticulos = vb::ContainsText(sql, "V_MA_ARTICULOS") || vb::ContainsText(sql, "STK_MA_ARTICULOS");
    QStringList campos;
    QStringList encabezados;
    QVector<int> anchos;
    for (int g = 0; g < registros.FieldCount(); ++g) {
        db::Field campo = registros.Fields(g);
        const QString nombre = campo.Name();
        const long tamano = campo.DefinedSize();
        int caracteres = static_cast<int>(std::min<long>(tamano, kAnchoMaximo));
        if (tamano == kTamanoDeAnchoNumerico || campo.Type() == db::ado::adNumeric) caracteres = kAnchoNumerico;
        QString encabezado = nombre;
        if (deArticulos && nombre.startsWith("PRECIO", Qt::CaseInsensitive) && nombre.size() == 7) {
            const QString clase = vb::Trim(Cfg("NOM_PCLASE" + nombre.right(1), "DATOS"));
            if (!clase.isEmpty()) encabezado = clase;
        } else if (!deArticulos && ValoresDefault == kMasAncho) {
            caracteres += kAnchoExtra;
        }
        campos.append(nombre);
        encabezados.append(encabezado);
        anchos.append(caracteres);
    }
    Modelo->Reiniciar(encabezados);
    CmbSearch->Preparar(campos);
    const QFontMetrics medida(ListView1->font());
    const QFontMetrics medidaEncabezado(ListView1->horizontalHeader()->font());
    const int relleno = medida.horizontalAdvance("XX");
    for (int i = 0; i < anchos.size(); ++i) {
        const int porDatos = medida.horizontalAdvance(QString(anchos[i], u'X'));
        const int porEncabezado = medidaEncabezado.horizontalAdvance(encabezados[i]) + relleno;
        ListView1->horizontalHeader()->resizeSection(i, std::max(porDatos, porEncabezado));
    }
}

void Lib_FrmCons3::Leer(db::Recordset& registros)
{
    const int devuelto = CheckBoxes ? IndiceDeCampo(registros, vb::Trim(CampoDevuelto)) : -1;
    const bool conStock = EsConsultaArticulos && vb::SameText(MuestraStock, "SI");
    QVector<ModeloConsulta::Fila> filas;
    for (; !registros.Eof(); registros.MoveNext()) {
        ModeloConsulta::Fila fila;
        fila.celdas.reserve(registros.FieldCount());
        fila.celdas.append(vb::Trim(registros.Fields(0).Value().textOrEmpty()));
        for (int i = 1; i < registros.FieldCount(); ++i)
            fila.celdas.append(QvFunciones::FormatoCodigo(registros.Fields(i).Value().textOrEmpty(), 0));
        if (devuelto >= 0) {
            const QString codigo = vb::Trim(registros.Fields(devuelto).Value().textOrEmpty());
            fila.marcada = !codigo.isEmpty() && vb::ContainsText(ValoresDefault, codigo);
        }
        if (conStock) fila.color = ColorDeStock(registros);
        filas.append(std::move(fila));
    }
    Modelo->Agregar(std::move(filas));
}

std::optional<QColor> Lib_FrmCons3::ColorDeStock(db::Recordset& registros) const
{
    const int punto = IndiceDeCampo(registros, "PUNTOPEDIDO");
    const int stock = IndiceDeCampo(registros, "Stock");
    if (punto < 0 || stock < 0) return std::nullopt;
    try {
        const double p = registros.Fields(punto).Value().toDouble();
        const double s = registros.Fields(stock).Value().toDouble();
        const Variant* nivel = &StkNivel4;
        if (p == 0 && s > 0)
            nivel = &StkNivel1;
        else if (p > 0 && s > p)
            nivel = &StkNivel2;
        else if (p > 0 && s < p)
            nivel = &StkNivel3;
        return vb::ToQColor(static_cast<qint32>(nivel->toLong()));
    } catch (const ErrorVB&) {
        return std::nullopt;
    }
}

// "Stk_ma_articulos" keeps its widths under the article view's name.
QString Lib_FrmCons3::ClaveAnchos() const
{
    return vb::SameText(TablaConsulta, "Stk_ma_articulos") ? QString("VT_MA_ARTICULOS") : TablaConsulta;
}

void Lib_FrmCons3::LeerAnchosGuardados()
{
    const std::optional<QString> guardados = ArchivoAnchos(os::programFolder()).AnchosDe(ClaveAnchos());
    if (!guardados) return;
    const QVector<std::optional<double>> anchos = ArchivoAnchos::Piezas(*guardados);
    for (int i = 0; i < std::min<int>(static_cast<int>(anchos.size()), Modelo->columnCount()); ++i) {
        if (anchos[i]) ListView1->horizontalHeader()->resizeSection(i, vb::PixelsFromTwips(*anchos[i]));
    }
}

void Lib_FrmCons3::GrabarAnchos() const
{
    QVector<double> anchos;
    for (int i = 0; i < Modelo->columnCount(); ++i)
        anchos.append(vb::TwipsFromPixels(ListView1->horizontalHeader()->sectionSize(i)));
    GrabarAnchosConsulta(ClaveAnchos(), ArchivoAnchos::Texto(anchos));
}

void Lib_FrmCons3::CalcularAncho()
{
    const QHeaderView* encabezado = ListView1->horizontalHeader();
    int columnas = 0;
    for (int i = 0; i < encabezado->count(); ++i) columnas += encabezado->sectionSize(i);
    const QScreen* pantalla = screen() ? screen() : QGuiApplication::primaryScreen();
    const int anchoPantalla = pantalla ? pantalla->availableGeometry().width() : 0;
    const int lista = columnas + vb::PixelsFromTwips(kMargenLista);
    int ancho = lista + vb::PixelsFromTwips(kMargenVentana);
    if (anchoPantalla > 0 && lista > anchoPantalla) ancho = anchoPantalla - vb::PixelsFromTwips(kMargenPantalla);
    const int alto = ListView1->verticalHeader()->defaultSectionSize() * kFilasVisibles;
    ListView1->setMinimumHeight(alto);
    layout()->activate();
    resize(std::max(ancho, minimumSizeHint().width()), std::max(height(), sizeHint().height()));
    CmbSearch->Colocar();
}

int Lib_FrmCons3::Busqueda(int Clave, const QString& QueValor) const { return Modelo->Buscar(Clave, QueValor) + 1; }

int Lib_FrmCons3::IndiceColumna(const QString& Columna) const
{
    for (int i = 0; i < Modelo->columnCount(); ++i)
        if (vb::SameText(vb::Trim(Modelo->Encabezado(i)), vb::Trim(Columna))) return i + 1;
    return 0;
}

QString Lib_FrmCons3::ValorDeFila(int fila, const QString& columna) const
{
    const int indice = IndiceColumna(columna);
    return indice > 0 ? Modelo->Texto(fila, indice - 1) : QString();
}

int Lib_FrmCons3::FilaSeleccionada() const
{
    const QModelIndexList filas = ListView1->selectionModel()->selectedRows();
    return filas.isEmpty() ? -1 : filas.front().row();
}

void Lib_FrmCons3::PosicionarEn(int fila)
{
    const QModelIndex indice = Modelo->index(fila, 0);
    ListView1->selectionModel()->setCurrentIndex(indice,
                                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    ListView1->scrollTo(indice);
}

void Lib_FrmCons3::BuscarEnLista(int caja, const QString& texto)
{
    const int fila = Busqueda(caja, texto);
    if (fila > 0) PosicionarEn(fila - 1);
}

void Lib_FrmCons3::OrdenarPorFecha(const QString& Cual)
{
    if (vb::ContainsText(sql, "order")) return;
    OrdenarPorLwv = false;
    const QString previa = sql;
    sql += " order by " + Cual + (vb::SameText(Cual, "fechahorafinromaneo") ? " desc " : "");
    Form_Load();
    sql = previa;
}

void Lib_FrmCons3::OrdenarLista(int columna, Qt::SortOrder orden)
{
    orden_ = orden;
    columnaOrden_ = columna;
    ListView1->horizontalHeader()->setSortIndicator(columna, orden);
    Modelo->sort(columna, orden);
}

void Lib_FrmCons3::EncabezadoClick(int columna)
{
    const bool invertir = columna == columnaOrden_ && orden_ == Qt::AscendingOrder;
    OrdenarLista(columna, invertir ? Qt::DescendingOrder : Qt::AscendingOrder);
    const QString encabezado = Modelo->Encabezado(columna);
    if (vb::ContainsText(encabezado, "fecha") || vb::ContainsText(encabezado, "VENCIMIENTO"))
        OrdenarPorFecha(encabezado);
}

void Lib_FrmCons3::PrepararOpciones(const QString& titulo, bool conMarcas)
{
    const QScopedValueRollback ajustando(ajustandoAnchos_, true);
    setWindowTitle(titulo);
    CmdNueva->hide();
    OrdenarPorLwv = true;
    sql.clear();
    CampoDevuelto = titulo;
    CheckBoxes = conMarcas;
    Form_Load();
    Modelo->Reiniciar({titulo});
    Modelo->setConMarcas(conMarcas);
    CmbSearch->Preparar({titulo});
}

void Lib_FrmCons3::AgregarOpcion(const QString& texto, bool marcada)
{
    Modelo->Agregar({ModeloConsulta::Fila{{texto}, marcada, std::nullopt}});
}

void Lib_FrmCons3::FijarAnchoOpciones(int twips)
{
    const QScopedValueRollback ajustando(ajustandoAnchos_, true);
    ListView1->horizontalHeader()->resizeSection(0, vb::PixelsFromTwips(twips));
    CalcularAncho();
}

void Lib_FrmCons3::Aceptar()
{
    TrapErrores trap("HScroll1_Change", [](const ErrorVB& error, const QString& rutina) {
        return QvFunciones::TratarError(error, rutina);
    });
    (void)trap.paso([this] {
        if (CheckBoxes) {
            const QString campo = vb::IsBlank(CampoDevuelto) ? Modelo->Encabezado(0) : CampoDevuelto;
            const int cantidad = IndiceColumna(kColumnaCantidad);
            for (int fila = 0; fila < Modelo->rowCount(); ++fila) {
                if (!Modelo->Marcada(fila)) continue;
                Valores.append(ValorDeFila(fila, campo));
                if (UsaCantidades && cantidad > 0) Cantidades.append(Modelo->Texto(fila, cantidad - 1));
            }
            return;
        }
        const int fila = FilaSeleccionada();
        if (fila < 0) return;
        QString valor;
        for (const QString& columna : CmpsDevueltos) {
            valor = ValorDeFila(fila, columna);
            Valores.append(valor);
        }
        if (!vb::IsBlank(CampoDevuelto)) valor = ValorDeFila(fila, CampoDevuelto);
        ValorDevuelto = valor;
    });
    accept();
}

void Lib_FrmCons3::Cancelar()
{
    ValorDevuelto.clear();
    CmpsDevueltos.clear();
    Valores.clear();
    QDialog::reject();
}

void Lib_FrmCons3::reject() { Cancelar(); }

void Lib_FrmCons3::NuevaBusqueda()
{
    sql = SqlOriginal;
    Form_Load();
    CmbSearch->Caja(0)->setFocus();
}

void Lib_FrmCons3::Marcar() { Modelo->InvertirMarcas(); }

void Lib_FrmCons3::Nuevo()
{
    LanzadorNuevo* lanzador = Service<LanzadorNuevo>::find();
    if (!lanzador) return;
    const QString tabla = vb::Trim(TablaConsulta);
    const ProgramaNuevo* programa = ProgramaDe(tabla);
    QString texto = QString("SHELL:") + (programa ? programa->programa : kProgramaTablas);
    QString parametro = programa && programa->parametro ? QString(programa->parametro) : tabla;
    qint32 resultado = 0;
    lanzador->MenuExes(texto, parametro, resultado);
}

void Lib_FrmCons3::BuscarEnServidor(int caja)
{
    const SentenciaPartida partes = PartirSentencia(sql);
    RestoSentencia = partes.resto;
    SqlActual = partes.cabeza;
    QString prefijo;
    if (vb::ContainsText(SqlActual, "stk_ma_articulos.")) prefijo = "stk_ma_articulos.";
    if (vb::ContainsText(SqlActual, "v_ma_articulos.")) prefijo = "v_ma_articulos.";
    const QString texto = CmbSearch->Caja(caja)->currentText();
    const QString filtro = CfgUsaConsultaLIKE
                               ? " like '%" + ComillasDobladas(vb::Replace(texto, " ", "%")) + "%'"
                               : " like '" + ComillasDobladas(QvFunciones::Reemplazar(texto, "*", "%")) + "%'";
    sql = AgregarCondicion(SqlActual, prefijo + CmbSearch->Campo(caja) + filtro, " where ") + " " + RestoSentencia;
    {
        const QSignalBlocker callada(CmbSearch->Caja(caja));
        CmbSearch->Caja(caja)->clearEditText();
    }
    SqlActual = sql;
    Form_Load();
}

void Lib_FrmCons3::InformarFaltante()
{
    if (!EsConsultaArticulos) return;
    const int fila = FilaSeleccionada();
    if (fila < 0) return;
    const QString codigo = vb::Trim(ValorDeFila(fila, "idarticulo"));
    const QString descripcion = vb::Trim(ValorDeFila(fila, "Descripcion"));
    if (MsgBox("Desea informar el articulo " + codigo + " " + descripcion + "\ncomo un faltante de stock?",
               vb::vbQuestion + vb::vbYesNo, "Atención!")
        != vb::vbYes)
        return;
    const QString usuario = vb::IsBlank(gSesion().gUsuarioLogeado) ? base_.gUsuario : gSesion().gUsuarioLogeado;
    const QString sentencia = "INSERT INTO V_MV_FALTANTES (FechaHora,IdArticulo,Descripcion,Usuario) values('"
                              + QDateTime::currentDateTime().toString("yyyy-MM-ddTHH:mm:ss") + "',"
                              + EntreComillas(QvFunciones::FormatoCodigo(codigo, 25)) + "," + EntreComillas(descripcion)
                              + "," + EntreComillas(usuario) + ")";
    TrapErrores trap("Form_KeyDown", [](const ErrorVB& error, const QString& rutina) {
        return QvFunciones::TratarError(error, rutina);
    });
    (void)trap.paso([&] {
        base_.gCnn.errors().Clear();
        base_.EjecutaConsultaSQL(sentencia);
        // The database class keeps a failed statement's error in the list: the operator must hear of it.
        if (base_.gCnn.errors().Count() > 0) {
            const db::DbError& error = base_.gCnn.errors().Item(0);
            throw ErrorVB(error.Number, error.Description, "V_MV_FALTANTES");
        }
    });
}

bool Lib_FrmCons3::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() != QEvent::KeyPress) return QDialog::eventFilter(objeto, evento);
    const auto& tecla = static_cast<const QKeyEvent&>(*evento);
    if (tecla.key() == Qt::Key_F12) {
        InformarFaltante();
        return true;
    }
    if (objeto == ListView1) return TeclaDeLista(tecla);
    for (int caja = 0; caja < CmbSearch->Cantidad(); ++caja) {
        if (objeto == CmbSearch->Caja(caja)) return TeclaDeCaja(caja, tecla);
    }
    return QDialog::eventFilter(objeto, evento);
}

bool Lib_FrmCons3::TeclaDeCaja(int caja, const QKeyEvent& tecla)
{
    if (tecla.key() == Qt::Key_F5) {
        BuscarEnServidor(caja);
    } else if (EsTeclaDeRecorrido(tecla.key())) {
        QKeyEvent copia(QEvent::KeyPress, tecla.key(), tecla.modifiers());
        QCoreApplication::sendEvent(ListView1, &copia);
        ListView1->setFocus();
    } else if (EsTeclaAceptar(tecla.key())) {
        Aceptar();
    } else if (tecla.key() == Qt::Key_Escape) {
        Cancelar();
    } else {
        return false;
    }
    return true;
}

bool Lib_FrmCons3::TeclaDeLista(const QKeyEvent& tecla)
{
    if (EsTeclaAceptar(tecla.key())) {
        Aceptar();
        return true;
    }
    if (tecla.key() == Qt::Key_Space && CheckBoxes) {
        const int fila = ListView1->currentIndex().row();
        if (fila >= 0) Modelo->setMarcada(fila, !Modelo->Marcada(fila));
        return true;
    }
    if (UsaCantidades && TeclaDeCantidad(tecla)) return true;
    const bool mando = tecla.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    const bool escrita = !tecla.text().isEmpty() && tecla.text().front().isPrint();
    if (tecla.key() == Qt::Key_Backspace || (escrita && !mando)) {
        EscribirEnCaja(tecla);
        return true;
    }
    return false;
}

// The list hands what is typed to the search box that last had the focus.
void Lib_FrmCons3::EscribirEnCaja(const QKeyEvent& tecla)
{
    QComboBox* caja = CmbSearch->Caja(CmbSearch->Actual());
    const QString texto = caja->currentText();
    caja->setEditText(tecla.key() == Qt::Key_Backspace ? texto.chopped(texto.isEmpty() ? 0 : 1) : texto + tecla.text());
    caja->setFocus();
}

bool Lib_FrmCons3::TeclaDeCantidad(const QKeyEvent& tecla)
{
    const int columna = IndiceColumna(kColumnaCantidad) - 1;
    const int fila = FilaSeleccionada();
    const bool insertar = tecla.key() == Qt::Key_Insert;
    if (columna < 0 || fila < 0 || (!insertar && tecla.key() != Qt::Key_Delete)) return false;
    const double actual = Cantidad(Modelo->Texto(fila, columna));
    double nueva = 0;
    int decimales = 1;
    if (insertar && (tecla.modifiers() & Qt::ShiftModifier)) {
        const QString respuesta =
            InputBox("Ingrese la Cantidad del Articulo...", "Carga de Datos", Modelo->Texto(fila, columna));
        const std::optional<double> escrita = vb::ParseNumber(respuesta);
        // A cancelled prompt, or text that is no number, leaves the quantity as it was.
        if (!escrita) return true;
        nueva = *escrita;
        decimales = 2;
    } else {
        nueva = actual + (insertar ? 1 : -1);
    }
    if (nueva > 0) {
        Modelo->setTexto(fila, columna, QString::number(nueva, 'f', decimales));
        if (insertar) Modelo->setMarcada(fila, true);
    } else {
        Modelo->setTexto(fila, columna, "0.00");
        Modelo->setMarcada(fila, false);
    }
    return true;
}
