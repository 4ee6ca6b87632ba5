#include "session/ValidacionUsuario.h"

#include "database/ArmadoSentencias.h"
#include "database/DB_Dll.h"
#include "database/TextoSQL.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/os/System.h"
#include "session/ModGlobal.h"
#include "session/Sesion.h"
#include "suitesupport/QvFunciones.h"
#include "suitesupport/QvSistema.h"

#include <QDateTime>

namespace {

constexpr char kProgramaMenu[] = "DU000RA";
constexpr char kProgramaPersonal[] = "BRUMEK";
constexpr char kLoginSupervisor[] = "SUPERVISOR VELTRIX MC";
constexpr char kEntradaMenuPrincipal[] = "Menu Principal";

bool esPrograma(const char* nombre) { return vb::SameText(os::executableName(), nombre); }

// The rows of TA_USUARIOS that count for this system.
QString condicionSistema()
{
    if (esPrograma(kProgramaPersonal)) return "(SISTEMA = 'BRUMEK')";
    return "(SISTEMA = 'du000ra' OR SISTEMA = 'QURO')";
}

QString entradaDeMenu(DB_Dll& base, const QString& tarea)
{
    const Sesion& sesion = gSesion();
    QString entrada;
    db::Recordset filas;
    base.AbrirRecordset(
        "SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre "
        " FROM TA_TAREAS  with(nolock) INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave "
        " WHERE (TA_TAREAS.USUARIO = '"
            + ComillasDobladas(sesion.gUsuarioLogeado) + " ') AND (TA_MENU.Proceso LIKE '%" + ComillasDobladas(tarea)
            + "%')",
        filas);
    if (filas.State() == db::ado::adStateOpen && !filas.Bof()) {
        entrada = filas.Fields("Nombre").Value().textOrEmpty();
    } else if (esPrograma(kProgramaMenu)) {
        entrada = kEntradaMenuPrincipal;
    } else if (vb::SameText(base.gUsuario, base.gDBName) || vb::SameText(base.gUsuario, kLoginSupervisor)) {
        entrada = os::executableName();
    }
    base.CierraRecordset(filas);
    return entrada;
}

}  // namespace

bool UsuarioValido(DB_Dll& base, const QString& Usuario, const QString& Password)
{
    Sesion& sesion = gSesion();
    if (vb::SameText(Usuario, base.gDBName)) {
        sesion.gUsuarioLogeado = Usuario;
        return true;
    }
    db::Recordset fila;
    base.AbrirRecordset("SELECT * FROM TA_USUARIOS WHERE NOMBRE = '" + ComillasDobladas(vb::Trim(Usuario)) + "' AND "
                            + condicionSistema(),
                        fila);
    if (fila.State() != db::ado::adStateOpen || fila.Bof()) {
        base.CierraRecordset(fila);
        return false;
    }
    sesion.gUsuarioLogeado = Usuario;
    const QString guardada = QvFunciones::Desencriptar(fila.Fields("Password").Value().textOrEmpty());
    const Variant administrador = fila.Fields("Administrador").Value();
    base.gEsAdmin = !administrador.isNull() && administrador.toBool();
    const bool valido = vb::SameText(guardada, Password);
    base.CierraRecordset(fila);
    return valido;
}

void RegistraIngresoTarea(DB_Dll& base, const QString& Tarea)
{
    Sesion& sesion = gSesion();
    TrapErrores trap = TrapErrores::silencioso();
    const QString tarea = Tarea.isEmpty() ? os::executableName() : Tarea;
    (void)trap.paso([&] {
        if (sesion.gUsuarioLogeado.isEmpty()) sesion.gUsuarioLogeado = base.gUsuario;
    });
    QString entrada;
    (void)trap.paso([&] { entrada = entradaDeMenu(base, tarea); });
    if (esPrograma(kProgramaMenu)) return;

    (void)trap.paso([&] {
        ListaCampos campos;
        QString maquina = vb::Trim(QvSistema::NombreEquipo()).toUpper();
        QString usuario = vb::Trim(sesion.gUsuarioLogeado).toUpper();
        QString formulario = vb::Trim(tarea).toUpper();
        QString nombreTarea = vb::Trim(entrada).toUpper();
        QString ingreso = QDateTime::currentDateTime().toString("dd/MM/yy hh:mm");
        AgregarCampoSQL(campos, "Maquina", maquina, "'", true);
        AgregarCampoSQL(campos, "Usuario", usuario, "'", false);
        AgregarCampoSQL(campos, "Formulario", formulario, "'", false);
        AgregarCampoSQL(campos, "Tarea", nombreTarea, "'", false);
        AgregarCampoSQL(campos, "Ingreso", ingreso, "'", false);
        AgregarCampoSQL(campos, "NombreUsuario", sesion.gUsuarioLogeado, "'", false);

        QStringList sentencias;
        QString sinCondicion;
        ArmarSentenciaSQL(campos, sentencias, "Control_Acceso", false, sinCondicion, false);
        bool huboError = false;
        long codigoError = 0;
        QString script;
        QString mensaje;
        GActualizarDatoScript(base, sentencias, huboError, codigoError, false, false, script, mensaje, true);
    });
}
