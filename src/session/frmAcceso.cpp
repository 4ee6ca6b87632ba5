#include "session/frmAcceso.h"

#include "database/DB_Dll.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/db/EngineFactory.h"
#include "platform/db/ErrorMap.h"
#include "platform/db/ServerDirectory.h"
#include "platform/os/Desktop.h"
#include "platform/os/DesktopShortcut.h"
#include "platform/os/System.h"
#include "platform/ui/Dialogs.h"
#include "session/BasesRegistradas.h"
#include "session/ManejoInteractivo.h"
#include "session/Sesion.h"
#include "session/VentanaAcceso.h"
#include "styling/EstiloFormulario.h"
#include "suitesupport/QvFunciones.h"
#include "suitesupport/QvSistema.h"
#include "suitesupport/TratamientoErrores.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr char kTitulo[] = "Control de Acceso";
constexpr char kPistaUsuario[] = "Ingrese el usuario";
constexpr char kPistaBase[] = "ingrese el nombre de la base de datos";
constexpr char kPistaServidor[] = "ingrese el nombre del servidor e instancia";
constexpr char kPuertoPorDefecto[] = "1433";
constexpr char kSinConexiones[] =
    "No hay conexiones registradas en este equipo.\nPara probar el programa, cree la empresa de demostración "
    "con el comando «crear-demo» y vuelva a abrirlo.";
constexpr char kProgramaOdbc[] = "ODBC.exe";
constexpr char kTituloAccesoDirecto[] = "Acceso Directo";

// Failures of "Registrar" that let it go on with its next step.
bool esErrorIgnorado(long numero)
{
    static const QVector<long> ignorados{db::ErrorMap::ObjectClosed, ErroresVB::ErrorDeAutomatizacion,
                                         ErroresVB::ServicioYaIniciado, ErroresVB::ServidorYaIniciado,
                                         ErroresVB::ServicioYaIniciadoHresult};
    return ignorados.contains(numero);
}

QLabel* etiqueta(const QString& texto, QWidget* padre) { return new QLabel(texto, padre); }

QLineEdit* caja(const char* nombre, const QString& ayuda, QWidget* padre)
{
    auto* nueva = new QLineEdit(padre);
    nueva->setObjectName(nombre);
    nueva->setToolTip(ayuda);
    return nueva;
}

// The command line of a shortcut, in the form the program reads at start-up.
QString lineaDeAccesoDirecto(const QString& servidor, const QString& dbName, const QString& usuario)
{
    return " ; @server=" + servidor + "; @dbname=" + dbName + "; @usuario=" + usuario
           + "; @Password=; @ParametroAdicional=; quro@ ; @UsuarioLogeado = ; @Caja=;";
}

}  // namespace

frmAcceso::frmAcceso(QString baseEnUso, QWidget* parent) : QDialog(parent), baseEnUso_(std::move(baseEnUso))
{
    setObjectName("frmAcceso");
    setWindowTitle(kTitulo);
    crearControles();
    conectarEventos();
    QvFunciones::PrepararFormulario(*this, 0);
    llenarlist();
    for (QLineEdit* cajaTexto : {TxtUserId, TxtUserPassword, TxtDbName, TxtServidor}) MensajeInicial(*cajaTexto);
    AplicarEstiloFormulario(*this, baseEnUso_);
}

frmAcceso::~frmAcceso() = default;

// --- building the window --------------------------------------------------------------

void frmAcceso::crearControles()
{
    framAcceso = new QGroupBox(this);
    TxtUserId = caja("TxtUserId", "Ingrese el nombre de usuario", framAcceso);
    TxtUserPassword = caja("TxtUserPassword", "Ingrese la contraseña", framAcceso);
    TxtUserPassword->setEchoMode(QLineEdit::Password);
    TxtUserPassword->setStyleSheet("lineedit-password-character: 42");
    TxtDbName = caja("TxtDbName", kPistaBase, framAcceso);
    TxtServidor = caja("TxtServidor", kPistaServidor, framAcceso);
    TxtPuerto = caja("TxtPuerto", "Ingrese el Puerto ", framAcceso);
    TxtPuerto->setText(kPuertoPorDefecto);
    TxtPuerto->setMaximumWidth(TxtPuerto->fontMetrics().horizontalAdvance("000000") + 12);
    CboPlataformaDB = new QComboBox(framAcceso);
    CboPlataformaDB->addItems({"SQL Server", "ORACLE"});

    Label1 = {etiqueta(kTitulo, this), etiqueta("Conexiones registradas", this), etiqueta("AUTENTICACION", framAcceso)};
    QFont titulo = Label1[0]->font();
    titulo.setPointSizeF(titulo.pointSizeF() * 1.6);
    titulo.setBold(true);
    Label1[0]->setFont(titulo);
    QFont seccion = Label1[2]->font();
    seccion.setBold(true);
    Label1[2]->setFont(seccion);
    Label1[1]->setFont(seccion);
    Label2 = etiqueta("Usuario", framAcceso);
    Label3 = etiqueta("Contraseña", framAcceso);
    Label4 = etiqueta("Base de datos", framAcceso);
    Label5 = etiqueta("Servidor", framAcceso);
    Label6 = etiqueta("Plataforma", framAcceso);
    Label7 = etiqueta("QURO VEX", this);
    Label7->setFont(seccion);
    Label8 = etiqueta(QString("<a href=\"%1\">%1</a>").arg(kSitioFabricante), this);
    Label8->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);

    lstBases = new QListWidget(this);
    lblSinConexiones = etiqueta(kSinConexiones, this);
    lblSinConexiones->setObjectName("lblSinConexiones");
    lblSinConexiones->setWordWrap(true);
    bcAceptar = new QPushButton("Conectar", this);
    bcCancelar = new QPushButton("Cancelar", this);
    CmdRegistrar = new QPushButton("Registrar", this);
    CmdLineaComando = new QPushButton("Crear Acceso Directo", this);

    auto* datos = new QGridLayout(framAcceso);
    datos->addWidget(Label1[2], 0, 0, 1, 3);
    const QList<QPair<QLabel*, QWidget*>> filas{
        {Label2, TxtUserId}, {Label3, TxtUserPassword}, {Label4, TxtDbName}, {Label5, TxtServidor}};
    for (int fila = 0; fila < filas.size(); ++fila) {
        datos->addWidget(filas[fila].first, fila + 1, 0);
        datos->addWidget(filas[fila].second, fila + 1, 1, 1, filas[fila].second == TxtServidor ? 1 : 2);
    }
    datos->addWidget(TxtPuerto, 4, 2);
    datos->addWidget(Label6, 5, 0);
    datos->addWidget(CboPlataformaDB, 5, 1, 1, 2);
    datos->setColumnStretch(1, 1);

    auto* acceso = new QVBoxLayout;
    acceso->addWidget(framAcceso);
    auto* botonesAcceso = new QHBoxLayout;
    botonesAcceso->addStretch();
    botonesAcceso->addWidget(bcAceptar);
    botonesAcceso->addWidget(bcCancelar);
    acceso->addLayout(botonesAcceso);
    acceso->addStretch();

    auto* registradas = new QVBoxLayout;
    registradas->addWidget(Label1[1]);
    registradas->addWidget(lstBases, 1);
    registradas->addWidget(lblSinConexiones);
    auto* botonesRegistro = new QHBoxLayout;
    botonesRegistro->addWidget(CmdRegistrar);
    botonesRegistro->addWidget(CmdLineaComando);
    registradas->addLayout(botonesRegistro);

    auto* cabecera = new QHBoxLayout;
    cabecera->addWidget(Label1[0]);
    cabecera->addStretch();
    cabecera->addWidget(Label7);
    auto* cuerpo = new QHBoxLayout;
    cuerpo->addLayout(acceso, 3);
    cuerpo->addLayout(registradas, 2);
    auto* ventana = new QVBoxLayout(this);
    ventana->addLayout(cabecera);
    ventana->addLayout(cuerpo, 1);
    ventana->addWidget(Label8, 0, Qt::AlignRight);

    setTabOrder(TxtUserId, TxtUserPassword);
    setTabOrder(TxtUserPassword, TxtDbName);
    setTabOrder(TxtDbName, TxtServidor);
    setTabOrder(TxtServidor, TxtPuerto);
    setTabOrder(TxtPuerto, CboPlataformaDB);
    setTabOrder(CboPlataformaDB, bcAceptar);
    setTabOrder(bcAceptar, bcCancelar);
    resize(640, 340);
}

void frmAcceso::conectarEventos()
{
    for (QLineEdit* cajaTexto : {TxtUserId, TxtUserPassword, TxtDbName, TxtServidor}) {
        cajaTexto->installEventFilter(this);
    }
    for (QLineEdit* cajaTexto : {TxtDbName, TxtServidor, TxtUserPassword}) {
        connect(cajaTexto, &QLineEdit::textChanged, this, [this, cajaTexto] { MensajeInicial(*cajaTexto); });
    }
    connect(TxtServidor, &QLineEdit::textChanged, this, &frmAcceso::mostrarMotor);
    lstBases->installEventFilter(this);
    connect(lstBases, &QListWidget::currentRowChanged, this, [this](int fila) {
        if (fila >= 0) AsignarDatosBase();
    });
    connect(lstBases, &QListWidget::itemClicked, this, [this] { AsignarDatosBase(); });
    connect(lstBases, &QListWidget::itemDoubleClicked, this, [this] {
        AsignarDatosBase();
        bcAceptar_Click();
    });
    connect(bcAceptar, &QPushButton::clicked, this, &frmAcceso::bcAceptar_Click);
    connect(bcCancelar, &QPushButton::clicked, this, &frmAcceso::bcCancelar_Click);
    connect(CmdRegistrar, &QPushButton::clicked, this, &frmAcceso::CmdRegistrar_Click);
    connect(CmdLineaComando, &QPushButton::clicked, this, &frmAcceso::CmdLineaComando_Click);
    connect(Label8, &QLabel::linkActivated, this, &frmAcceso::Label8_Click);
}

bool frmAcceso::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && watched == TxtUserId) MensajeInicial(*TxtUserId);
    if (event->type() != QEvent::KeyPress) return false;
    const int tecla = static_cast<QKeyEvent*>(event)->key();
    if (tecla != Qt::Key_Return && tecla != Qt::Key_Enter) return false;
    if (watched == lstBases) {
        AsignarDatosBase();
        return true;
    }
    // Enter moves through the boxes down to "Conectar" instead of pressing it.
    const QList<QWidget*> orden{TxtUserId, TxtUserPassword, TxtDbName, TxtServidor, bcAceptar};
    const qsizetype actual = orden.indexOf(qobject_cast<QWidget*>(watched));
    if (actual < 0) return false;
    orden[actual + 1]->setFocus();
    return true;
}

// --- registered connections ---------------------------------------------------------------

void frmAcceso::llenarlist()
{
    TrapErrores trap("FormLoad", [](const ErrorVB& error, const QString& rutina) {
        return QvFunciones::TratarError(error, rutina);
    });
    const BasesRegistradas registro;
    ArchivoBases = registro.ruta();
    lstBases->clear();
    (void)trap.paso([&] {
        for (const ConexionRegistrada& conexion : registro.conexiones().value_or(QVector<ConexionRegistrada>())) {
            if (!vb::IsBlank(conexion.nombre)) lstBases->addItem(conexion.nombre);
        }
    });
    if (lstBases->count() > 0) lstBases->setCurrentRow(0);
    lblSinConexiones->setVisible(lstBases->count() == 0);
}

bool frmAcceso::DatosBase(const QString& Nombre)
{
    TrapErrores trap("DatosBase", [](const ErrorVB& error, const QString& rutina) {
        (void)QvFunciones::TratarError(error, rutina);
        return Respuesta::Salir;
    });
    std::optional<ConexionRegistrada> conexion;
    (void)trap.paso([&] { conexion = BasesRegistradas(ArchivoBases).buscar(Nombre); });
    if (!conexion) return false;
    ServidorRegistrado = conexion->servidor;
    BaseRegistrada = conexion->base;
    UsuarioRegistrado = conexion->login;
    PasswordRegistrado = conexion->password;
    return true;
}

void frmAcceso::AsignarDatosBase()
{
    const QListWidgetItem* elegida = lstBases->currentItem();
    if (!elegida) return;
    DatosBase(vb::Trim(elegida->text()));
    const qsizetype dosPuntos = ServidorRegistrado.indexOf(u':');
    if (dosPuntos >= 0) {
        Puerto = ServidorRegistrado.mid(dosPuntos + 1);
        ServidorRegistrado = vb::Trim(ServidorRegistrado.left(dosPuntos)).toUpper();
    }
    TxtServidor->setText(ServidorRegistrado);
    TxtUserId->setText({});
    TxtUserPassword->setText({});
    TxtDbName->setText(BaseRegistrada);
    TxtPuerto->setText(Puerto);
}

void frmAcceso::MensajeInicial(QLineEdit& Caja)
{
    QString pista;
    if (&Caja == TxtUserId)
        pista = kPistaUsuario;
    else if (&Caja == TxtDbName)
        pista = kPistaBase;
    else if (&Caja == TxtServidor)
        pista = kPistaServidor;
    // The hint is the box's placeholder, never its text: typing into the box
    // must not add to it, and a box left empty passes nothing.
    Caja.setPlaceholderText(pista);
    const QString texto = vb::Trim(Caja.text());
    if (!texto.isEmpty() && texto != pista) return;
    if (!Caja.text().isEmpty()) Caja.clear();
}

// The engine the server is registered with, where the suite would show its
// platform: a server of servidores.ini may be a folder of SQLite files or an
// ODBC data source; any other is SQL Server.
void frmAcceso::mostrarMotor()
{
    const QString servidor = vb::Trim(TxtServidor->text());
    CboPlataformaDB->setItemText(0, db::engineNameOf(servidor.left(servidor.indexOf(u':')), db::currentServers()));
}

// --- the buttons -------------------------------------------------------------------------------

void frmAcceso::bcAceptar_Click()
{
    const QString nombre = BasesRegistradas::NombreConexion(TxtDbName->text(), TxtServidor->text());
    ServidorRegistrado.clear();
    DatosBase(nombre);
    gSesion().gUsuarioLogeado = TxtUserId->text();
    gSesion().gPasswordUsuario = TxtUserPassword->text();
    if (ServidorRegistrado.isEmpty()) {
        ServidorRegistrado = TxtServidor->text();
        BaseRegistrada = TxtDbName->text();
        UsuarioRegistrado = TxtUserId->text();
        PasswordRegistrado = TxtUserPassword->text();
    }
    Aceptar = true;
    RegistrarBases();
    hide();
}

void frmAcceso::bcCancelar_Click()
{
    Aceptar = false;
    hide();
}

// The first connection used on a workstation is registered.
void frmAcceso::RegistrarBases()
{
    const BasesRegistradas registro;
    ArchivoBases = registro.ruta();
    if (!registro.existe()) CmdRegistrar_Click();
}

void frmAcceso::CmdRegistrar_Click()
{
    bool fallo = false;
    TrapErrores trap("Registrar", [this, &fallo](const ErrorVB& error, const QString&) {
        return tratarErrorDeRegistro(error, fallo);
    });
    if (!registrarConexion(trap) && !fallo) return;
    terminarRegistro();
}

Respuesta frmAcceso::tratarErrorDeRegistro(const ErrorVB& error, bool& fallo)
{
    if (esErrorIgnorado(error.numero)) return Respuesta::Seguir;
    const QString numero = (error.numero < 0 ? "" : " ") + QString::number(error.numero);
    MsgBox("SQL Server start failed.  \rSQL-DMO error:  " + numero + " " + error.descripcion);
    fallo = true;
    return Respuesta::Salir;
}

bool frmAcceso::registrarConexion(TrapErrores& trap)
{
    const QString servidor = BasesRegistradas::ServidorSinPuerto(TxtServidor->text());
    const QString nombre = BasesRegistradas::NombreConexion(TxtDbName->text(), TxtServidor->text());
    if (DatosBase(nombre)) {
        MsgBox("La conexion que intenta registrar ya existe ", vb::vbInformation, "Atencion");
        return false;
    }
    if (!trap.paso([this] {
            const double numero = QvFunciones::TextoAMoneda(TxtPuerto->text());
            Puerto = numero == 0 ? QString(kPuertoPorDefecto) : vb::NumberText(numero);
        })) {
        return false;
    }
    for (QLineEdit* cajaTexto : {TxtServidor, TxtUserId, TxtUserPassword, TxtDbName}) {
        cajaTexto->setText(vb::Trim(cajaTexto->text()));
    }
    const QString base = TxtDbName->text().toUpper();
    bool existe = false;
    if (!trap.paso([&] { existe = ExisteBaseDeDatos(TxtServidor->text(), base, base, base, DB_Dll::pSQLOLEDB); })) {
        return false;
    }
    const ConexionRegistrada conexion{nombre, TxtDbName->text(), TxtDbName->text(), TxtDbName->text(),
                                      TxtServidor->text()};
    if (!existe && !conectaConUsuario()) {
        MsgBox("NO SE PUDO CONECTAR AL SERVIDOR " + TxtServidor->text()
                   + " VERIFIQUE EL NOMBRE DE USUARIO Y PASSWORD INGRESADO",
               vb::vbInformation, "AVISO AL OPERADOR");
        return false;
    }
    return trap.paso([&] { BasesRegistradas(ArchivoBases).agregar(conexion); });
}

// The connection is tried on objects of its own, so that registering from
// the login window never closes the database the program is working on.
bool frmAcceso::ExisteBaseDeDatos(const QString& Servidor, const QString& Dbname, const QString& Usuario,
                                  const QString& Password, const QString& Proveedor)
{
    db::Connection prueba;
    try {
        prueba.Open("PROVIDER=" + Proveedor + ";" + "Server=" + Servidor + ";" + "Database =" + Dbname + ";"
                    + "UId=" + Usuario + ";" + "Pwd=" + Password + ";");
        prueba.Close();
        return true;
    } catch (const ErrorVB&) {
        return false;
    }
}

// The second try: the user and password typed as the database login.
bool frmAcceso::conectaConUsuario()
{
    DB_Dll prueba(std::make_unique<ManejoInteractivo>());
    prueba.gServidor = TxtServidor->text();
    prueba.gUsuario = TxtUserId->text();
    prueba.gUserPassWord = TxtUserPassword->text();
    prueba.gDBName = TxtDbName->text();
    prueba.OpenServerADODB(false, 3, {}, true, true);
    return prueba.gCnn.State() == db::ado::adStateOpen;
}

void frmAcceso::terminarRegistro()
{
    TrapErrores trap("Registrar", [this](const ErrorVB& error, const QString&) {
        bool fallo = false;
        return tratarErrorDeRegistro(error, fallo);
    });
    const QString odbc = os::findFileIgnoringCase(os::programFolder(), kProgramaOdbc);
    if (QFileInfo::exists(odbc)) {
        (void)trap.paso([&] {
            Service<Desktop>::get().startProgram(odbc, {"Server=" + TxtServidor->text() + ";DB=" + baseEnUso_ + ";"});
        });
    }
    llenarlist();
}

void frmAcceso::CmdLineaComando_Click()
{
    QString titulo = vb::Trim(QCoreApplication::applicationName());
    if (titulo.isEmpty()) titulo = os::executableName();
    const QString ruta = os::desktopShortcutPath(titulo);
    if (QFileInfo::exists(ruta)) {
        MsgBox("El acceso directo ya existe.", vb::vbInformation, kTituloAccesoDirecto);
        return;
    }
    os::DesktopShortcut acceso{titulo,
                               os::executablePath(),
                               {lineaDeAccesoDirecto(TxtServidor->text(), TxtDbName->text(), TxtUserId->text())},
                               {},
                               os::executablePath()};
    // Started from the desktop, the program must find the same program folder.
    const QString carpeta = os::programFolder();
    if (carpeta != QFileInfo(os::executablePath()).absolutePath()) {
        acceso.environment.append(QString(os::kProgramFolderVariable) + "=" + carpeta);
    }
    if (!os::writeDesktopShortcut(ruta, acceso)) {
        MsgBox("Se ha producido un error: No se pudo escribir " + ruta, vb::vbCritical, "Error");
        return;
    }
    MsgBox("Acceso directo creado correctamente en el escritorio.", vb::vbInformation, kTituloAccesoDirecto);
}

void frmAcceso::Label8_Click() { QvSistema::AbrirConSistema(QString("\"") + kSitioFabricante + "\"", 1); }

// --- the window as a service -------------------------------------------------------------

namespace {

class AccesoConVentana : public VentanaAcceso {
public:
    bool Mostrar(DatosAcceso& datos) override
    {
        frmAcceso ventana(datos.dbName);
        ventana.TxtDbName->setText(datos.dbName);
        ventana.TxtServidor->setText(datos.servidor);
        ventana.TxtUserId->setText(datos.usuario);
        ventana.TxtUserPassword->setText(datos.password);
        ventana.CboPlataformaDB->setCurrentIndex(datos.plataforma);
        Service<Dialogs>::get().showModal(ventana);
        if (!ventana.Aceptar) return false;
        // "Conectar" took the user and password before a first registration
        // could refill the boxes.
        datos = {ventana.TxtDbName->text(), ventana.TxtServidor->text(), gSesion().gUsuarioLogeado,
                 gSesion().gPasswordUsuario, ventana.CboPlataformaDB->currentIndex()};
        return true;
    }
};

}  // namespace

std::unique_ptr<VentanaAcceso> crearVentanaAcceso() { return std::make_unique<AccesoConVentana>(); }
