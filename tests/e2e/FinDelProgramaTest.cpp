#include "DatosDemo.h"
#include "support/DatabaseTest.h"
#include "support/ServerControl.h"
#include "suitesupport/QvFunciones.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

// Every way the program ends, run on the real binary as the suite starts it,
// with a scripted clerk loaded into it (OperadorPrecargado.cpp): it must end
// by itself, with its status, never by a signal.

namespace {

constexpr int kPlazoMs = 120000;  // a hang, not a slow machine
constexpr char kLineaDemo[] =
    "; @server=LOCAL; @dbname=%1; @usuario=ADMIN; @Password=%2; @ParametroAdicional=%3; "
    "quro@ ; @UsuarioLogeado = ADMIN; @Caja=1;";

QString lineaDemo(const QString& base, const QString& clave, const QString& articulo = {})
{
    return QString(kLineaDemo).arg(base, clave, articulo);
}

struct Final {
    bool termino = false;
    QProcess::ExitStatus forma = QProcess::CrashExit;
    int estado = -1;
    QString relato;  // what the program and its clerk wrote
};

// Runs the program with these arguments and clerk's steps; `alAviso`, when
// given, runs once the clerk creates the file `aviso`.
Final ejecutar(const QStringList& argumentos, const QStringList& pasos, const QString& aviso = {},
               const std::function<void()>& alAviso = {})
{
    QProcess programa;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert("QT_QPA_PLATFORM", "offscreen");
    entorno.insert("LD_PRELOAD", OPERADOR_E2E);
    entorno.insert("OPERADOR_E2E", pasos.join(u'\n'));
    programa.setProcessEnvironment(entorno);
    programa.setProcessChannelMode(QProcess::MergedChannels);
    programa.start(EQUIVALENCIAS, argumentos);
    Final final;
    QElapsedTimer plazo;
    plazo.start();
    bool avisado = false;
    while (!plazo.hasExpired(kPlazoMs)) {
        if (programa.waitForFinished(100)) break;
        if (alAviso && !avisado && QFile::exists(aviso)) {
            avisado = true;
            alAviso();
        }
    }
    final.termino = programa.state() == QProcess::NotRunning;
    if (!final.termino) {
        programa.kill();
        programa.waitForFinished();
    }
    final.forma = programa.exitStatus();
    final.estado = programa.exitCode();
    final.relato = QString::fromLocal8Bit(programa.readAll());
    return final;
}

void esperarFinNormal(const Final& final, int estado)
{
    EXPECT_TRUE(final.termino) << "the program did not end:\n" << final.relato.toStdString();
    EXPECT_EQ(final.forma, QProcess::NormalExit) << final.relato.toStdString();
    EXPECT_EQ(final.estado, estado) << final.relato.toStdString();
}

}  // namespace

class FinDelProgramaTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        OpcionesDemo demo;
        demo.carpeta = programFolder();
        demo.articulos = 40;
        crearDatosDemo(demo);
    }
};

TEST_F(FinDelProgramaTest, EveryStartUpThatGivesUpEndsTheProgramWithStatusZero)
{
    esperarFinNormal(ejecutar({}, {"Control de Acceso > Cancelar"}), 0);

    QFile rota(QDir(programFolder()).filePath("datos/ROTA.sqlite"));
    ASSERT_TRUE(rota.open(QIODevice::WriteOnly));
    rota.write("EMPRESA;ROTA;no es una base\r\n");
    rota.close();
    esperarFinNormal(ejecutar({lineaDemo("ROTA", kClaveDemo)}, {"Error de Conexion a Base de Datos > No"}), 0);

    QStringList tresClavesMalas{"Atencion! > Aceptar"};
    for (int intento = 0; intento < 3; ++intento) {
        tresClavesMalas << "Control de Acceso > TxtUserPassword = mala"
                        << "Control de Acceso > Conectar"
                        << "Atencion > Aceptar";
    }
    tresClavesMalas << "Atencion! > Aceptar";  // "Demasiados intentos..."
    const Final demasiados = ejecutar({lineaDemo(kEmpresaDemo, "mala")}, tresClavesMalas);
    esperarFinNormal(demasiados, 0);
    EXPECT_TRUE(demasiados.relato.contains("hizo \"Atencion! > Aceptar\"")) << demasiados.relato.toStdString();
}

TEST_F(FinDelProgramaTest, EscInTheWindowClosesItAndEndsTheProgramWithStatusZero)
{
    const Final final =
        ejecutar({lineaDemo(kEmpresaDemo, kClaveDemo)}, {"Actualización de Equivalencias > tecla Escape"});
    esperarFinNormal(final, 0);
    EXPECT_TRUE(final.relato.contains("hizo \"Actualización de Equivalencias > tecla Escape\""))
        << final.relato.toStdString();
}

TEST_F(FinDelProgramaTest, AConsistencyCheckThatCannotSignInEndsWithStatusTwo)
{
    esperarFinNormal(ejecutar({"--verificar", lineaDemo(kEmpresaDemo, "mala")}, {}), 2);
}

// The server goes away while the clerk works; the clerk chooses to close.
class FinConServidorTest : public EveryEngineTest {
protected:
    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        if (!servidor.available()) GTEST_SKIP() << "el servidor de prueba no se puede detener desde aquí";
        seed({"INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, Password, Administrador) VALUES ('ADMIN', 'QURO', '"
                  + QvFunciones::Encriptar("Secreto") + "', 1)",
              "INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('UN', 'Unidad')",
              "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad) VALUES ('A1', 'Articulo', 'UN')"});
    }

    ServerControl servidor;
};

TEST_P(FinConServidorTest, CerrarSistemaInTheReconnectionWindowEndsTheProgramWithStatusZero)
{
    const QString ventanaLista = QDir(tempFolder()).filePath("ventana");
    const QString servidorCaido = QDir(tempFolder()).filePath("caido");
    const QString principal = "Actualización de Equivalencias";
    const Final final = ejecutar(
        {lineaDemo(kCompany, "Secreto", "A1")},
        {principal + " > avisar " + ventanaLista, principal + " > esperar " + servidorCaido, principal + " > tecla F3",
         "Conexión a la base de datos > Sí", "Intentando reconectar con el servidor... > Cerrar Sistema"},
        ventanaLista, [&] {
            servidor.stop();
            QFile(servidorCaido).open(QIODevice::WriteOnly);
        });
    esperarFinNormal(final, 0);
    EXPECT_TRUE(final.relato.contains("hizo \"Intentando reconectar con el servidor... > Cerrar Sistema\""))
        << final.relato.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Engines, FinConServidorTest, ::testing::Values(TestEngine::PostgreSQL), engineName);
