#pragma once

#include "platform/ErrorVB.h"
#include "platform/TrapErrores.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class VentanaAcceso;

// The login window: database server, database and application user with its
// password, the connections registered on this workstation (BASES.TXT), and
// a desktop shortcut that starts the program on the chosen connection.
// Callers fill the boxes after building it, show it modally and read
// `Aceptar` and the boxes; "Conectar" has already set the session's user and
// password. `baseEnUso` is the database the program was on when it asked,
// whose look the window takes.
class frmAcceso : public QDialog {
    Q_OBJECT
public:
    explicit frmAcceso(QString baseEnUso = {}, QWidget* parent = nullptr);
    ~frmAcceso() override;

    bool Aceptar = false;

    QLineEdit* TxtUserId;
    QLineEdit* TxtUserPassword;
    QLineEdit* TxtDbName;
    QLineEdit* TxtServidor;
    QLineEdit* TxtPuerto;
    QComboBox* CboPlataformaDB;
    QListWidget* lstBases;
    QPushButton* bcAceptar;
    QPushButton* bcCancelar;
    QPushButton* CmdRegistrar;
    QPushButton* CmdLineaComando;
    QGroupBox* framAcceso;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QList<QLabel*> Label1;  // title, "Conexiones registradas", "AUTENTICACION"
    QLabel* Label7;
    QLabel* Label8;
    QLabel* lblSinConexiones;  // how to make the demo, when nothing is registered

    // The buttons and the link, as the operator uses them.
    void bcAceptar_Click();
    void bcCancelar_Click();
    void CmdRegistrar_Click();
    void CmdLineaComando_Click();
    void Label8_Click();

    // The maker's site behind Label8.
    static constexpr char kSitioFabricante[] = "https://www.qurovex.com";

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void crearControles();
    void conectarEventos();

    void llenarlist();
    // True when the connection is registered; its data then fill the registered fields.
    bool DatosBase(const QString& Nombre);
    void AsignarDatosBase();
    void MensajeInicial(QLineEdit& Caja);
    void mostrarMotor();
    void RegistrarBases();
    bool ExisteBaseDeDatos(const QString& Servidor, const QString& Dbname, const QString& Usuario,
                           const QString& Password, const QString& Proveedor);

    // "Registrar" up to the record written; false when it stopped before.
    bool registrarConexion(TrapErrores& trap);
    bool conectaConUsuario();
    // Starts ODBC.exe when it is there and lists the connections again.
    void terminarRegistro();
    Respuesta tratarErrorDeRegistro(const ErrorVB& error, bool& fallo);

    QString baseEnUso_;
    QString ArchivoBases;
    QString ServidorRegistrado;
    QString BaseRegistrada;
    QString UsuarioRegistrado;
    QString PasswordRegistrado;
    QString Puerto;
};

// The login window as the database class and the start-up show it.
std::unique_ptr<VentanaAcceso> crearVentanaAcceso();
