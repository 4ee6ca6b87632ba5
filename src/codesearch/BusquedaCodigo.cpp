#include "codesearch/BusquedaCodigo.h"

#include "codesearch/AltaDirecta.h"
#include "codesearch/MascaraFecha.h"
#include "codesearch/PintorEntradas.h"
#include "codesearch/ReglasBusqueda.h"
#include "codesearch/SentenciasBusqueda.h"
#include "codesearch/TextosBusqueda.h"
#include "database/DB_Dll.h"
#include "database/TextoSQL.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/os/AnsiFile.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/KeyCodes.h"
#include "platform/ui/Twips.h"
#include "suitesupport/QvFunciones.h"

#include <QComboBox>
#include <QDate>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

#include <algorithm>

namespace {

// Design-time geometry, in twips.
constexpr int kAltoTexto = 315;
constexpr int kLadoImagen = 315;
constexpr int kReservaImagenes = 100;
constexpr int kEntreImagenes = 10;
constexpr int kMargenLista = 20;
constexpr int kAnchoInicial = 4800;
constexpr int kAltoInicial = 2400;

// A text of at most this many characters is taken as a code on Enter, never
// offered as a new row.
constexpr int kLargoCodigoTecleado = 4;

// The property of the text box that holds the table given, as its tag.
constexpr char kPropiedadTag[] = "Tag";

// Settings that switch the search off, for articles or for every table.
constexpr char kSinBusquedaArticulos[] = "DeshabilitaBusquedaCodigoArt";
constexpr char kSinBusqueda[] = "DeshabilitaBusquedaCodigo";
constexpr char kSi[] = "SI";

// Settings whose text is kept in ValorAux when Valor is empty.
const QStringList kMensajes{"Mensaje_Respuesta", "Mensaje_Recibido", "Mensaje_Bienvenida", "Mensaje_FueraHorario",
                            "Mensaje_ContactosIgnorados"};

int px(int twips) { return vb::PixelsFromTwips(twips); }

bool abierto(const db::Recordset& filas) { return filas.State() == db::ado::adStateOpen; }

// The database a connection text names after "database" (case ignored), up to its ";".
QString baseDeLaCadena(const QString& cadena)
{
    const int inicio = vb::InStrText(cadena, "database");
    if (inicio == 0) return {};
    const int fin = vb::InStr(cadena, ";", inicio);
    if (fin == 0) return {};
    const QString tramo = vb::Mid(cadena, inicio, fin - inicio);
    const int igual = vb::InStr(tramo, "=");
    return igual == 0 ? QString() : vb::Trim(vb::Mid(tramo, igual + 1));
}

// The character code of a key as the box's key handlers see it.
int codigoTecla(const QKeyEvent& evento)
{
    if (evento.key() == Qt::Key_Backspace) return vb::vbKeyBack;
    if (evento.key() == Qt::Key_Return || evento.key() == Qt::Key_Enter) return vb::vbKeyReturn;
    return evento.text().isEmpty() ? 0 : evento.text().at(0).unicode();
}

}  // namespace

BusquedaCodigo::BusquedaCodigo(DB_Dll& base, QWidget* parent)
    : QWidget(parent),
      TxtBusqueda(new QLineEdit(this)),
      LstBusqueda(new QListWidget(this)),
      IMGOK(crearImagen("IMGOK", ":/busqueda/aceptar.svg", "Aceptar")),
      imgMas(crearImagen("imgMas", ":/busqueda/agregar.svg", "Agregar un registro nuevo")),
      ImgX(crearImagen("ImgX", ":/busqueda/limpiar.svg", "Limpiar")),
      Calendar(new CalendarioBusqueda(this)),
      base_(base)
{
    TxtBusqueda->setObjectName("TxtBusqueda");
    LstBusqueda->setObjectName("LstBusqueda");
    LstBusqueda->setItemDelegate(new PintorEntradas(kRolDescripcion, kRolCodigo, LstBusqueda));
    LstBusqueda->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The flat look: no border, black on white.
    TxtBusqueda->setFrame(false);
    QPalette paleta = TxtBusqueda->palette();
    paleta.setColor(QPalette::Base, Qt::white);
    paleta.setColor(QPalette::Text, Qt::black);
    TxtBusqueda->setPalette(paleta);
    TxtBusqueda->setMaxLength(kLargoTexto);
    TxtBusqueda->installEventFilter(this);
    LstBusqueda->installEventFilter(this);
    Calendar->hide();

    connect(TxtBusqueda, &QLineEdit::textChanged, this, &BusquedaCodigo::TxtBusqueda_Change);
    connect(LstBusqueda, &QListWidget::itemClicked, this, &BusquedaCodigo::LstBusqueda_Click);
    connect(LstBusqueda, &QListWidget::itemDoubleClicked, this, [this] { ObtieneCodigo(false); });
    connect(IMGOK, &QToolButton::clicked, this, &BusquedaCodigo::IMGOK_Click);
    connect(imgMas, &QToolButton::clicked, this, &BusquedaCodigo::imgMas_Click);
    connect(ImgX, &QToolButton::clicked, this, &BusquedaCodigo::ImgX_Click);
    connect(Calendar, &CalendarioBusqueda::diaPulsado, this, &BusquedaCodigo::diaPulsado);
    connect(Calendar, &CalendarioBusqueda::diaConfirmado, this, [this](int celda) {
        diaPulsado(celda);
        ObtieneCodigo(false);
    });
    connect(Calendar, &CalendarioBusqueda::enterEnDia, this, [this] { ObtieneCodigo(false); });
    resize(px(kAnchoInicial), px(kAltoInicial));
    disponer();
}

QToolButton* BusquedaCodigo::crearImagen(const QString& nombre, const QString& icono, const QString& ayuda)
{
    auto* imagen = new QToolButton(this);
    imagen->setObjectName(nombre);
    imagen->setIcon(QIcon(icono));
    imagen->setToolTip(ayuda);
    imagen->setAutoRaise(true);
    imagen->setFocusPolicy(Qt::NoFocus);
    return imagen;
}

// --- Set-up --------------------------------------------------------------------

bool BusquedaCodigo::BusquedaDisponible(QString& tb)
{
    TxtBusqueda->setProperty(kPropiedadTag, tb);
    // The switches are settings of the database: read before they are asked.
    if (!conexionAbierta_) AbrirConexion();
    if (DeshabilitarBCTodos) return false;
    Calendar->hide();
    const QString dada = tb;
    bool disponible = ReglasBusqueda::ElegirColumnas(dada, tb, Cuenta, config_);
    if (ReglasBusqueda::EsTablaArticulos(dada) && DeshabilitarBCArticulos) return false;
    if (config_.calendario) CargarCalendario();
    ReglasBusqueda::AgregarCondicion(config_);
    if (ReglasBusqueda::RestringeVendedor(config_)) restringirAlVendedor();
    imgMas->setVisible(AltaDisponible());
    // A date field keeps the ten characters of its date.
    if (!config_.calendario) TxtBusqueda->setMaxLength(kLargoTexto);
    disponer();
    if (!Tabla().isEmpty() && !Buscar.isEmpty()) TxtBusqueda->setText(vb::Trim(Buscar));
    return disponible;
}

void BusquedaCodigo::restringirAlVendedor()
{
    if (vb::IsBlank(Usuario)) return;
    TrapErrores trap = TrapErrores::silencioso();
    (void)trap.paso([this] {
        db::Recordset usuario = base_.gCnn.Execute(SentenciasBusqueda::VendedorDelUsuario(Usuario));
        if (!abierto(usuario) || usuario.Eof()) return;
        const Variant vendedor = usuario.Fields("IdVendedor").Value();
        if (vendedor.isNull() || vendedor.textOrEmpty().isEmpty()) return;
        config_.condicionExtra += " and IDVENDEDOR = " + EntreComillas(vendedor.textOrEmpty());
    });
}

void BusquedaCodigo::AbrirConexion()
{
    if (vb::IsBlank(connString_)) {
        conexionAbierta_ = false;
        return;
    }
    TrapErrores trap({}, [this](const ErrorVB& error, const QString& rutina) {
        return RespuestaDelBoton(TratamientoErrores(error, kBotonesTratamiento, rutina));
    });
    db::Connection& conexion = base_.gCnn;
    if (!trap.paso([&] {
            // A database object the host already opened is used as it is.
            if (conexion.State() == db::ado::adStateOpen) return;
            conexion.Open(connString_);
            base_.gConnString = connString_;
        }))
        return;
    if (!trap.paso([&] {
            const QString baseDatos = baseDeLaCadena(connString_);
            if (!baseDatos.isEmpty()) conexion.setDefaultDatabase(baseDatos);
        }))
        return;
    if (!trap.paso([&] { conexion.setCommandTimeout(kTiempoSentencias); })) return;
    conexionAbierta_ = true;
    leerSwitches();
}

void BusquedaCodigo::leerSwitches()
{
    QString auxiliar;
    DeshabilitarBCArticulos = vb::SameText(vb::Trim(sp_Cfg(kSinBusquedaArticulos, auxiliar)), kSi);
    DeshabilitarBCTodos = vb::SameText(vb::Trim(sp_Cfg(kSinBusqueda, auxiliar)), kSi);
}

QString BusquedaCodigo::sp_Cfg(const QString& campo, QString& ValorAux)
{
    // Ignorar goes on with the next step; any other answer gives an empty value.
    TrapErrores trap("sp_Cfg", [this](const ErrorVB& error, const QString& rutina) {
        const Respuesta respuesta = RespuestaDelBoton(TratamientoErrores(error, kBotonesTratamiento, rutina));
        return respuesta == Respuesta::Seguir ? respuesta : Respuesta::Salir;
    });
    ValorAux.clear();
    db::Recordset filas;
    if (!trap.paso([&] { filas = base_.gCnn.Execute(SentenciasBusqueda::Configuracion(campo)); })) return {};
    QString valor;
    if (!trap.paso([&] {
            if (!abierto(filas) || filas.Eof()) {
                valor = " ";
                return;
            }
            valor = FieldVal(filas.Fields("Valor").Value());
            ValorAux = FieldVal(filas.Fields("ValorAux").Value());
        }))
        return {};
    if (kMensajes.contains(campo, Qt::CaseInsensitive) && valor.isEmpty() && !ValorAux.isEmpty()) return ValorAux;
    return valor;
}

bool BusquedaCodigo::AltaDisponible()
{
    config_.anchoCodigo = ReglasBusqueda::EsTablaMantenimientos(Tabla())
                              ? ConfiguracionBusqueda::kAnchoCodigoMantenimiento
                              : ConfiguracionBusqueda::kAnchoCodigo;
    const QString tarea = ReglasBusqueda::TareaDeAlta(Tabla());
    const QString usuario = QvFunciones::ValorATexto(Usuario);
    // Nobody signed in is nobody with the right to add.
    if (tarea.isEmpty() || vb::IsBlank(usuario)) return false;
    bool concedida = false;
    TrapErrores trap = TrapErrores::silencioso();
    (void)trap.paso([&] {
        db::Recordset filas = base_.gCnn.Execute(SentenciasBusqueda::TareaDelUsuario(tarea, usuario));
        concedida = abierto(filas) && !filas.Eof();
    });
    return concedida;
}

// --- The search ----------------------------------------------------------------

void BusquedaCodigo::TxtBusqueda_Change()
{
    Buscar = TxtBusqueda->text();
    CodigoNoConfirmado = TxtBusqueda->text();
    Busqueda();
}

void BusquedaCodigo::Busqueda()
{
    if (!Calendar->isHidden()) {
        if (!vb::IsBlank(TxtBusqueda->text())) {
            TextoIngresado = TxtBusqueda->text();
            Buscar = TxtBusqueda->text();
        } else {
            TextoIngresado = Buscar;
        }
        CargarCalendario();
        TxtBusqueda->setFocus();
        return;
    }
    if (saltarBusqueda_) {
        saltarBusqueda_ = false;
        return;
    }
    LstBusqueda->clear();
    TextoIngresado = TxtBusqueda->text();
    if (vb::SameText(Tabla(), kTablaFecha)) return;
    if (Buscar.isEmpty() || Tabla().isEmpty()) {
        Buscar.clear();
        return;
    }
    TrapErrores trap = TrapErrores::silencioso();
    (void)trap.paso([&] { llenarLista(progresiva_.Buscar(base_.gCnn, config_, Buscar, idLista)); });
    Buscar.clear();
}

// Each entry keeps its description and its whole code beside its text.
void BusquedaCodigo::llenarLista(const std::vector<BusquedaProgresiva::Fila>& filas)
{
    if (filas.empty()) return;
    LstBusqueda->show();
    for (const BusquedaProgresiva::Fila& fila : filas) {
        const QString descripcion = FieldVal(fila.descripcion);
        const QString codigoFila = fila.codigo.isEmpty() ? descripcion : FieldVal(fila.codigo);
        auto* entrada = new QListWidgetItem(TextosBusqueda::EntradaLista(descripcion, codigoFila), LstBusqueda);
        entrada->setData(kRolCodigo, codigoFila);
        entrada->setData(kRolDescripcion, descripcion);
    }
}

void BusquedaCodigo::ObtieneCodigo(bool DesdeTxt)
{
    if (DesdeTxt) {
        codigo = vb::Trim(TxtBusqueda->text());
    } else if (!Calendar->isHidden()) {
        codigo = vb::Trim(TxtBusqueda->text());
        Calendar->hide();
    } else {
        const QListWidgetItem* entrada = LstBusqueda->currentItem();
        codigo = entrada ? vb::Trim(entrada->data(kRolCodigo).toString()) : QString();
    }
    emit CodigoObtenido();
}

// --- Keys and clicks -----------------------------------------------------------

bool BusquedaCodigo::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == TxtBusqueda) {
        switch (evento->type()) {
        case QEvent::KeyPress: return teclaEnTexto(*static_cast<QKeyEvent*>(evento));
        case QEvent::FocusIn:
            // The text box takes the focus first, then the caret goes where it belongs.
            static_cast<QObject*>(TxtBusqueda)->event(evento);
            focoEnTexto();
            return true;
        case QEvent::MouseButtonPress:
            // The caret stays where the focus put it.
            if (!TxtBusqueda->hasFocus()) TxtBusqueda->setFocus(Qt::MouseFocusReason);
            return true;
        default: return QWidget::eventFilter(objeto, evento);
        }
    }
    if (objeto == LstBusqueda) {
        if (evento->type() == QEvent::KeyPress) {
            const auto* tecla = static_cast<QKeyEvent*>(evento);
            if (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter) {
                ObtieneCodigo(false);
                return true;
            }
        }
        if (evento->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Backspace) {
            retrocesoEnLista();
            return true;
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

bool BusquedaCodigo::teclaEnTexto(QKeyEvent& evento)
{
    switch (evento.key()) {
    case Qt::Key_Down:
        if (!Calendar->isHidden()) return false;
        LstBusqueda->setFocus();
        if (LstBusqueda->count() > 0) LstBusqueda->setCurrentRow(0);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // A date that is not one is emptied before it is taken.
        int tecla = vb::vbKeyReturn;
        ClsDatosOk(*TxtBusqueda, tecla);
        enterEnTexto();
        return true;
    }
    case Qt::Key_Escape:
        TxtBusqueda->clear();
        ObtieneCodigo(true);
        return true;
    default: break;
    }
    const bool escribe =
        !evento.text().isEmpty() || evento.key() == Qt::Key_Backspace || evento.key() == Qt::Key_Delete;
    if (!escribe || !esFecha()) return false;
    int tecla = codigoTecla(evento);
    ClsDatosOk(*TxtBusqueda, tecla);
    return true;
}

void BusquedaCodigo::enterEnTexto()
{
    const bool tomaElTexto =
        imgMas->isHidden() || LstBusqueda->count() > 0 || vb::Trim(TxtBusqueda->text()).size() <= kLargoCodigoTecleado;
    if (tomaElTexto) {
        ObtieneCodigo(true);
        return;
    }
    const int respuesta = MsgBox(ReglasBusqueda::NombreParaOperador(Tabla()) + os::kCrLf + kPreguntaAlta,
                                 vb::vbYesNo + vb::vbQuestion, kTituloAviso);
    if (respuesta == vb::vbYes)
        imgMas_Click();
    else
        ObtieneCodigo(true);
}

void BusquedaCodigo::focoEnTexto()
{
    const int largo = static_cast<int>(TxtBusqueda->text().size());
    const bool conCalendario = !Calendar->isHidden();
    TxtBusqueda->deselect();
    TxtBusqueda->setCursorPosition(conCalendario && largo >= selStartInicial_ ? selStartInicial_ : largo);
}

void BusquedaCodigo::keyPressEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_Escape) {
        escape();
        return;
    }
    QWidget::keyPressEvent(evento);
}

void BusquedaCodigo::escape()
{
    TxtBusqueda->clear();
    Buscar.clear();
    ObtieneCodigo(true);
}

// The search does not run again for the text the click writes.
void BusquedaCodigo::LstBusqueda_Click(QListWidgetItem* entrada)
{
    const QString texto = entrada->text();
    const QString descripcion = vb::Trim(texto.left(texto.size() - TextosBusqueda::kBlancosEntrada));
    saltarBusqueda_ = true;
    TxtBusqueda->setText(descripcion);
    saltarBusqueda_ = false;
}

void BusquedaCodigo::retrocesoEnLista()
{
    const QString texto = vb::Trim(TxtBusqueda->text());
    if (!texto.isEmpty()) TxtBusqueda->setText(texto.left(texto.size() - 1));
}

void BusquedaCodigo::IMGOK_Click()
{
    if (LstBusqueda->currentItem() && LstBusqueda->currentItem()->isSelected())
        ObtieneCodigo(false);
    else
        enterEnTexto();
}

void BusquedaCodigo::ImgX_Click()
{
    TxtBusqueda->clear();
    ObtieneCodigo(true);
}

void BusquedaCodigo::imgMas_Click()
{
    const QString texto = vb::Trim(TxtBusqueda->text());
    if (texto.isEmpty() || Tabla().isEmpty()) return;
    AltaDirecta alta(base_.gCnn, config_, Cuenta);
    const std::optional<QString> nuevo = alta.Agregar(texto);
    if (!nuevo) return;
    progresiva_.Olvidar();
    TxtBusqueda->setText(*nuevo);
    ObtieneCodigo(true);
}

// --- Date field ------------------------------------------------------------------

bool BusquedaCodigo::esFecha() const
{
    return vb::SameText(TxtBusqueda->property(kPropiedadTag).toString(), kTablaFecha);
}

void BusquedaCodigo::ClsDatosOk(QLineEdit& Textos, int& KeyAscii)
{
    if (!vb::SameText(Textos.property(kPropiedadTag).toString(), kTablaFecha)) return;
    const MascaraFecha::Resultado resultado =
        MascaraFecha::Tecla(Textos.text(), Textos.cursorPosition(), Textos.maxLength(), KeyAscii);
    Textos.setText(resultado.texto);
    Textos.setCursorPosition(resultado.cursor);
    KeyAscii = 0;
}

void BusquedaCodigo::CargarCalendario()
{
    Calendar->show();
    LstBusqueda->hide();
    TxtBusqueda->setMaxLength(MascaraFecha::kLargo);
    if (TxtBusqueda->text() != Buscar) TxtBusqueda->setText(Buscar);
    const int largo = static_cast<int>(TxtBusqueda->text().size());
    TxtBusqueda->setCursorPosition(std::min(selStartInicial_, largo));
    if (Calendar->CmbMes->count() <= 1) {
        const QDate hoy = QDate::currentDate();
        CargarMesAño();
        ArmarAlmanaque(hoy.month(), hoy.year());
        Seleccionar(IndCaption(QString::number(hoy.day())), false);
        Calendar->MostrarMesAnio(hoy.month(), hoy.year());
    }
    const std::optional<QDateTime> fecha = vb::ParseDate(Buscar);
    if (fecha && vb::Trim(Buscar).size() == MascaraFecha::kLargo) {
        const QDate dia = fecha->date();
        ArmarAlmanaque(dia.month(), dia.year());
        const QString texto = dia.toString("dd/MM/yyyy");
        if (TxtBusqueda->text() != texto) TxtBusqueda->setText(texto);
        Seleccionar(IndCaption(QString::number(dia.day())), false);
        Calendar->MostrarMesAnio(dia.month(), dia.year());
    }
    TxtBusqueda->setFocus();
}

void BusquedaCodigo::CargarMesAño() { Calendar->CargarMesAño(); }

void BusquedaCodigo::ArmarAlmanaque(int mes, int anio) { Calendar->ArmarAlmanaque(mes, anio); }

void BusquedaCodigo::Seleccionar(int DIA, bool Asignar) { Calendar->Seleccionar(DIA, Asignar); }

qint16 BusquedaCodigo::IndCaption(const QString& Caption) const { return Calendar->IndCaption(Caption); }

QString BusquedaCodigo::NombreMes(qint16 Nromes) { return Almanaque::NombreMes(Nromes); }

qint16 BusquedaCodigo::Nromes(const QString& NombreMes) { return static_cast<qint16>(Almanaque::Nromes(NombreMes)); }

qint16 BusquedaCodigo::CantidadDeDiasDelmes(int mes, int anio)
{
    return static_cast<qint16>(Almanaque::CantidadDeDiasDelmes(mes, anio));
}

QString BusquedaCodigo::FmtLeerCodigo(const QString& codigo, int Largo)
{
    return TextosBusqueda::FmtLeerCodigo(codigo, Largo);
}

QString BusquedaCodigo::FieldVal(const Variant& recFieldVal) { return TextosBusqueda::FieldVal(recFieldVal); }

// The date the day cell stands for, as dd/MM/yyyy.
void BusquedaCodigo::diaPulsado(int celda)
{
    const int dia = Calendar->OptDia[static_cast<size_t>(celda)]->text().toInt();
    TxtBusqueda->setText(Almanaque::TextoFecha(dia, Calendar->MesElegido(), Calendar->AnioElegido()));
    Seleccionar(celda, false);
}

// --- Errors and layout -----------------------------------------------------------

int BusquedaCodigo::TratamientoErrores(const ErrorVB& CodErr, int Botones, const QString& Rutina)
{
    if (!CodErr.hayError()) return 0;
    const QString mensaje = "Ha ocurrido el Siguiente Error (" + vb::Trim(QString::number(CodErr.numero)) + ") "
                            + vb::Trim(CodErr.descripcion);
    const QString rutina = Rutina.isEmpty() ? QString() : " - " + Rutina;
    return MsgBox(mensaje, Botones, CodErr.fuente + rutina + " Aviso al operador!!! ");
}

void BusquedaCodigo::resizeEvent(QResizeEvent* evento)
{
    QWidget::resizeEvent(evento);
    disponer();
}

// The text box with the three images at its right; under it the list or, for
// a date field, the calendar, which then gives the box its size.
void BusquedaCodigo::disponer()
{
    const int altoTexto = px(kAltoTexto);
    if (esFecha()) {
        const QSize tamano(Calendar->width(), altoTexto + Calendar->height());
        if (size() != tamano) resize(tamano);
        Calendar->move(0, altoTexto);
        LstBusqueda->hide();
    } else {
        Calendar->hide();
        LstBusqueda->show();
    }
    const int lado = px(kLadoImagen);
    const int anchoTexto = std::max(0, width() - (3 * lado + px(kReservaImagenes)));
    TxtBusqueda->setGeometry(0, 0, anchoTexto, altoTexto);
    int izquierda = anchoTexto;
    for (QToolButton* imagen : {IMGOK, imgMas, ImgX}) {
        izquierda += px(kEntreImagenes);
        imagen->setGeometry(izquierda, 0, lado, lado);
        izquierda += lado;
    }
    // The list fills the box below the text box, and ends where the box ends.
    const int arribaLista = altoTexto + px(kMargenLista);
    LstBusqueda->setGeometry(px(kMargenLista), arribaLista, width() - 2 * px(kMargenLista),
                             std::max(0, height() - arribaLista));
}
