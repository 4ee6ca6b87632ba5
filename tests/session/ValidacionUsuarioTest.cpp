#include "database/DB_Dll.h"
#include "platform/os/System.h"
#include "session/BasesDeDatos.h"
#include "session/Sesion.h"
#include "session/ValidacionUsuario.h"
#include "suitesupport/QvFunciones.h"
#include "suitesupport/QvSistema.h"
#include "support/DatabaseTest.h"

#include <QDateTime>

class ValidacionUsuarioTest : public EveryEngineTest {
protected:
    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        seed({"INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, Password, Administrador) VALUES ('ANA', 'QURO', '"
                  + QvFunciones::Encriptar("Secreto") + "', 1)",
              "INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, Password) VALUES ('LUIS', 'du000ra', '"
                  + QvFunciones::Encriptar("clave") + "')",
              "INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, Password) VALUES ('OTRO', 'NOMINA', '"
                  + QvFunciones::Encriptar("clave") + "')",
              "INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, Password) VALUES ('O''NEILL', 'QURO', '"
                  + QvFunciones::Encriptar("x") + "')",
              "INSERT INTO TA_MENU (Clave, Nombre, Proceso) VALUES ('STK010', 'Equivalencias', '"
                  + os::executableName().toUpper() + ".EXE')",
              "INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('ANA', 'STK010')"});
        openCompany("ADMIN");
    }

    db::Recordset accesses() { return gBaseDatos().gCnn.Execute("SELECT * FROM Control_Acceso ORDER BY ID"); }

    DB_Dll& base = gBaseDatos();
};

TEST_P(ValidacionUsuarioTest, TheDatabaseLoginNeedsNoPassword)
{
    EXPECT_TRUE(UsuarioValido(gBaseDatos(), "empresa", "cualquiera"));
    EXPECT_EQ(gSesion().gUsuarioLogeado, "empresa");
}

TEST_P(ValidacionUsuarioTest, PasswordsCompareWithoutCase)
{
    base.gEsAdmin = false;
    EXPECT_TRUE(UsuarioValido(gBaseDatos(), " ANA ", "SECRETO"));
    EXPECT_TRUE(base.gEsAdmin);
    EXPECT_TRUE(UsuarioValido(gBaseDatos(), "luis", "Clave"));
    EXPECT_FALSE(base.gEsAdmin);
}

TEST_P(ValidacionUsuarioTest, AWrongPasswordStillNamesTheUser)
{
    gSesion().gUsuarioLogeado = "antes";
    EXPECT_FALSE(UsuarioValido(gBaseDatos(), "ANA", "otra"));
    EXPECT_EQ(gSesion().gUsuarioLogeado, "ANA");
}

TEST_P(ValidacionUsuarioTest, UsersOfAnotherSystemOrUnknownAreRefused)
{
    gSesion().gUsuarioLogeado = "antes";
    EXPECT_FALSE(UsuarioValido(gBaseDatos(), "OTRO", "clave"));
    EXPECT_FALSE(UsuarioValido(gBaseDatos(), "NADIE", ""));
    EXPECT_EQ(gSesion().gUsuarioLogeado, "antes");
}

TEST_P(ValidacionUsuarioTest, AnApostropheInTheNameIsJustALetter)
{
    EXPECT_TRUE(UsuarioValido(gBaseDatos(), "O'NEILL", "X"));
    EXPECT_FALSE(UsuarioValido(gBaseDatos(), "x' OR '1'='1", "clave"));
    EXPECT_TRUE(operador->boxes().isEmpty());
}

TEST_P(ValidacionUsuarioTest, TheEntryIsRecordedWithTheMenuEntryThatGrantsIt)
{
    gSesion().gUsuarioLogeado = "ana";
    RegistraIngresoTarea(gBaseDatos());
    db::Recordset row = accesses();
    ASSERT_FALSE(row.Eof());
    EXPECT_EQ(row.Fields("Maquina").Value().toText(), QvSistema::NombreEquipo().trimmed().toUpper());
    EXPECT_EQ(row.Fields("Usuario").Value().toText(), "ANA");
    EXPECT_EQ(row.Fields("Formulario").Value().toText(), os::executableName().toUpper());
    EXPECT_EQ(row.Fields("Tarea").Value().toText(), "EQUIVALENCIAS");
    EXPECT_EQ(row.Fields("NombreUsuario").Value().toText(), "ana");
    const QDateTime ingreso = QDateTime::fromString(row.Fields("Ingreso").Value().toText(), "dd/MM/yy hh:mm");
    EXPECT_LE(std::abs(ingreso.addYears(100).secsTo(QDateTime::currentDateTime())), 120);
}

TEST_P(ValidacionUsuarioTest, WithoutATaskTheEntryIsRecordedAllTheSame)
{
    gSesion().gUsuarioLogeado = "LUIS";
    base.gUsuario = "OTRO_LOGIN";
    RegistraIngresoTarea(gBaseDatos());
    base.gUsuario = kCompany;
    RegistraIngresoTarea(gBaseDatos());
    db::Recordset row = accesses();
    EXPECT_EQ(row.Fields("Tarea").Value().toText(), "") << "no menu entry grants it";
    row.MoveNext();
    EXPECT_EQ(row.Fields("Tarea").Value().toText(), os::executableName().toUpper())
        << "the database login sees its own program";
}

TEST_P(ValidacionUsuarioTest, AnApostropheIsDroppedFromTheRecordAndTheSession)
{
    gSesion().gUsuarioLogeado = "O'Neill";
    RegistraIngresoTarea(gBaseDatos());
    db::Recordset row = accesses();
    ASSERT_FALSE(row.Eof());
    EXPECT_EQ(row.Fields("Usuario").Value().toText(), "ONEILL");
    EXPECT_EQ(row.Fields("NombreUsuario").Value().toText(), "ONeill");
    EXPECT_EQ(gSesion().gUsuarioLogeado, "ONeill");
}

ON_EVERY_ENGINE(ValidacionUsuarioTest);
