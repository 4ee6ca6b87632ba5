#include "DatosDemo.h"
#include "equivalences/CodigosEquivalencia.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/os/SpreadsheetWriter.h"
#include "support/ProgramTest.h"
#include "support/QStringPrinter.h"
#include "suitesupport/QvFunciones.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

// The command lines of both programs, run on the real binaries as a terminal
// or cron runs them: without a display, a platform or a run-time folder.

namespace {

constexpr int kPlazoMs = 120000;  // a hang, not a slow machine
constexpr char kTitulos[] = "Artículo\tUnidades\tCoeficientes\tProblema\n";

struct Corrida {
    int estado = -1;  // -1: it hung or died by a signal
    QString salida;
    QString errores;
};

Corrida correr(const QString& programa, const QStringList& argumentos, const QByteArray& entrada = {})
{
    QProcess proceso;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"})
        entorno.remove(variable);
    proceso.setProcessEnvironment(entorno);
    proceso.start(programa, argumentos);
    proceso.write(entrada);
    proceso.closeWriteChannel();
    Corrida corrida;
    if (!proceso.waitForFinished(kPlazoMs)) {
        proceso.kill();
        proceso.waitForFinished();
    } else if (proceso.exitStatus() == QProcess::NormalExit) {
        corrida.estado = proceso.exitCode();
    }
    corrida.salida = QString::fromUtf8(proceso.readAllStandardOutput());
    corrida.errores = QString::fromUtf8(proceso.readAllStandardError());
    return corrida;
}

QString nombre(const QString& programa) { return QFileInfo(programa).fileName(); }

// Each line of the error stream is one message of the program, named.
void cadaLineaEsUnAviso(const QString& programa, const Corrida& corrida)
{
    EXPECT_FALSE(corrida.errores.isEmpty());
    EXPECT_TRUE(corrida.errores.endsWith('\n')) << corrida.errores.toStdString();
    for (const QString& linea : corrida.errores.split('\n', Qt::SkipEmptyParts))
        EXPECT_TRUE(linea.startsWith(nombre(programa) + ": ")) << linea.toStdString();
}

QString lineaDemo(const QString& base)
{
    return QString("; @server=LOCAL; @dbname=%1; @usuario=ADMIN; @Password=quro;").arg(base);
}

}  // namespace

class LineaDeOrdenesTest : public ProgramTest {
protected:
    // The demo company with no equivalences but those of `filas`.
    void empresaCon(const QString& filas = {})
    {
        OpcionesDemo demo;
        demo.carpeta = programFolder();
        demo.articulos = 40;
        crearDatosDemo(demo);
        db::Connection empresa;
        empresa.Open(conexionDemo());
        empresa.Execute("DELETE FROM S_TA_EQUIV");
        if (!filas.isEmpty())
            empresa.Execute(
                "INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) "
                "SELECT IdArticulo, IdUnidad, IdUnidad, 0, NULL FROM V_MA_ARTICULOS WHERE IdArticulo IN ("
                + filas + ")");
    }

    Corrida verificar(const QStringList& opciones, const QString& base = kEmpresaDemo)
    {
        return correr(EQUIVALENCIAS, QStringList{"--verificar"} + opciones + QStringList{lineaDemo(base)});
    }
};

TEST_F(LineaDeOrdenesTest, HelpAndVersionAreSpanishOnStdoutAndNeedNoDisplay)
{
    for (const auto& [programa, opcionPropia] : {std::pair{EQUIVALENCIAS, "--verificar"}, {CREAR_DEMO, "--servidor"}}) {
        for (const char* ayuda : {"--help", "-h"}) {
            const Corrida corrida = correr(programa, {ayuda});
            EXPECT_EQ(corrida.estado, 0) << programa << ' ' << ayuda << corrida.errores.toStdString();
            EXPECT_TRUE(corrida.salida.startsWith("Uso: ")) << corrida.salida.toStdString();
            EXPECT_TRUE(corrida.salida.contains("Opciones:") && corrida.salida.contains(opcionPropia))
                << corrida.salida.toStdString();
            EXPECT_FALSE(corrida.salida.contains("Usage") || corrida.salida.contains("Options")
                         || corrida.salida.contains("Displays"))
                << corrida.salida.toStdString();
            EXPECT_EQ(corrida.errores, "");
        }
        const Corrida version = correr(programa, {"--version"});
        EXPECT_EQ(version.estado, 0);
        EXPECT_EQ(version.salida, nombre(programa) + " " + EQUIV_VERSION + "\n");
        EXPECT_EQ(version.errores, "");
    }
}

TEST_F(LineaDeOrdenesTest, EveryOptionOfTheHelpIsInTheManualPage)
{
    static const QRegularExpression opcion(QStringLiteral("^  (?:-\\w, )?--([\\w-]+)"),
                                           QRegularExpression::MultilineOption);
    for (const QString programa : {EQUIVALENCIAS, CREAR_DEMO}) {
        QFile pagina(QString(FUENTES) + "/paquete/" + nombre(programa) + ".1");
        ASSERT_TRUE(pagina.open(QIODevice::ReadOnly)) << pagina.fileName().toStdString();
        const QString manual = QString::fromUtf8(pagina.readAll());
        int opciones = 0;
        for (const QRegularExpressionMatch& m : opcion.globalMatch(correr(programa, {"--help"}).salida)) {
            ++opciones;
            const QString escrita = "\\-\\-" + m.captured(1).replace("-", "\\-");
            EXPECT_TRUE(manual.contains(escrita)) << programa.toStdString() << ": " << escrita.toStdString();
        }
        EXPECT_GE(opciones, 4) << programa.toStdString();
    }
}

TEST_F(LineaDeOrdenesTest, AWrongOptionOrValueIsOneLineOnStderrWithStatusTwo)
{
    const QList<std::pair<QString, QStringList>> errores{
        {EQUIVALENCIAS, {"--nada"}},
        {EQUIVALENCIAS, {"--verificar", "--formato", "xml", lineaDemo(kEmpresaDemo)}},
        {CREAR_DEMO, {"--nada"}},
        {CREAR_DEMO, {"--articulos", "muchos"}},
    };
    for (const auto& [programa, argumentos] : errores) {
        const Corrida corrida = correr(programa, argumentos);
        EXPECT_EQ(corrida.estado, 2) << argumentos.join(' ').toStdString();
        EXPECT_EQ(corrida.salida, "");
        EXPECT_EQ(corrida.errores.count('\n'), 1) << corrida.errores.toStdString();
        cadaLineaEsUnAviso(programa, corrida);
    }
}

TEST_F(LineaDeOrdenesTest, VerificarOfAConsistentCompanyWritesTheHeaderAloneAndNothingOnStderr)
{
    empresaCon();
    const Corrida corrida = verificar({});
    EXPECT_EQ(corrida.estado, 0) << corrida.errores.toStdString();
    EXPECT_EQ(corrida.salida, kTitulos);
    EXPECT_EQ(corrida.errores, "") << "cron mails whatever is written there";
}

TEST_F(LineaDeOrdenesTest, VerificarWritesTheFindingsInTheFormatAskedAndTheirCountOnStderr)
{
    empresaCon("'" + codigoArticulo("10000") + "', '" + codigoArticulo("10001") + "'");
    const Corrida tsv = verificar({});
    EXPECT_EQ(tsv.estado, 1);
    EXPECT_TRUE(tsv.salida.startsWith(kTitulos)) << tsv.salida.toStdString();
    EXPECT_EQ(tsv.salida.count('\n'), 3) << tsv.salida.toStdString();
    EXPECT_EQ(tsv.errores, "equivalencias: 2 hallazgos.\n");

    const Corrida csv = verificar({"--formato", "csv"});
    EXPECT_EQ(csv.estado, 1);
    EXPECT_TRUE(csv.salida.startsWith("Artículo,Unidades,Coeficientes,Problema\n")) << csv.salida.toStdString();
    EXPECT_EQ(csv.salida.count('\n'), 3) << csv.salida.toStdString();

    const Corrida json = verificar({"--formato", "json"});
    EXPECT_EQ(json.estado, 1);
    const QJsonArray filas = QJsonDocument::fromJson(json.salida.toUtf8()).array();
    ASSERT_EQ(filas.size(), 2) << json.salida.toStdString();
    EXPECT_EQ(filas[0]["articulo"].toString().trimmed(), "10000");
}

TEST_F(LineaDeOrdenesTest, VerificarThatCannotCheckSaysWhyOnStderrAndEndsWithTwo)
{
    empresaCon();
    const Corrida sinBase = verificar({}, "NO_EXISTE");
    EXPECT_EQ(sinBase.estado, 2);
    EXPECT_EQ(sinBase.salida, "");
    cadaLineaEsUnAviso(EQUIVALENCIAS, sinBase);
    EXPECT_TRUE(sinBase.errores.contains("NO_EXISTE")) << sinBase.errores.toStdString();
    EXPECT_FALSE(sinBase.errores.contains("Desea")) << "the console answers the question itself";

    for (const QString& linea : {QString(), QString("hola")}) {
        const Corrida corrida = correr(EQUIVALENCIAS, {"--verificar", linea});
        EXPECT_EQ(corrida.estado, 2) << linea.toStdString();
        EXPECT_EQ(corrida.salida, "");
        EXPECT_EQ(corrida.errores,
                  "equivalencias: La línea de la suite no dice @server, @dbname, @usuario; sin ventana no se pueden "
                  "pedir.\n");
    }
}

TEST_F(LineaDeOrdenesTest, CrearDemoCodesAPasswordAsTheUsersTableKeepsIt)
{
    const Corrida corrida = correr(CREAR_DEMO, {"--codificar-clave"}, "Secreto ñ\n");
    EXPECT_EQ(corrida.estado, 0) << corrida.errores.toStdString();
    EXPECT_EQ(corrida.salida, QvFunciones::Encriptar("Secreto ñ") + "\n");
    EXPECT_EQ(QvFunciones::Desencriptar(corrida.salida.trimmed()), "Secreto ñ");
}

TEST_F(LineaDeOrdenesTest, ImportarEndsWithZeroOneOrTwoAsTheRowsWentAndLeavesTheRefusedBesideTheFile)
{
    empresaCon();
    db::Connection empresa;
    empresa.Open(conexionDemo());
    QStringList unidades;
    for (db::Recordset u = empresa.Execute("SELECT IdUnidad FROM V_TA_UNIDAD ORDER BY IdUnidad"); !u.Eof(); u.MoveNext())
        unidades.append(u.Fields(0).Value().textOrEmpty().trimmed());
    ASSERT_GE(unidades.size(), 2);
    const QString& u = unidades[0];
    const QString& e = unidades[1];
    QTemporaryDir carpeta;
    const auto importar = [&](const QString& nombre, const QVector<QStringList>& filas) {
        const QString archivo = QDir(carpeta.path()).filePath(nombre);
        os::SpreadsheetWriter::write(archivo, filas);
        return correr(EQUIVALENCIAS, {"--importar", archivo, lineaDemo(kEmpresaDemo)});
    };
    const auto filas = [&](const QString& articulo) {
        return empresa.Execute("SELECT COUNT(*) FROM S_TA_EQUIV WHERE IDARTICULO = '" + codigoArticulo(articulo) + "'")
            .Fields(0)
            .Value()
            .toLong();
    };

    const Corrida buenas = importar("buenas.csv", {{"10000", u, e, "12"}});
    EXPECT_EQ(buenas.estado, 0) << buenas.errores.toStdString();
    EXPECT_TRUE(buenas.salida.startsWith("Importación de buenas.csv:\n    1 equivalencia nueva\n"))
        << buenas.salida.toStdString();
    EXPECT_EQ(buenas.errores, "");
    EXPECT_EQ(filas("10000"), 1);

    const Corrida mezcla = importar("mezcla.xlsx", {{"10001", u, e, "3"}, {"NO-EXISTE", u, e, "3"}});
    EXPECT_EQ(mezcla.estado, 1) << mezcla.errores.toStdString();
    EXPECT_EQ(filas("10001"), 1);
    EXPECT_TRUE(QFileInfo::exists(QDir(carpeta.path()).filePath("mezcla-rechazadas.xlsx")));

    const Corrida malas = importar("malas.csv", {{"10002", u, u, "3"}});
    EXPECT_EQ(malas.estado, 2);
    EXPECT_EQ(filas("10002"), 0);

    const Corrida sinArchivo = correr(EQUIVALENCIAS, {"--importar", "/no/existe.csv", lineaDemo(kEmpresaDemo)});
    EXPECT_EQ(sinArchivo.estado, 2);
    cadaLineaEsUnAviso(EQUIVALENCIAS, sinArchivo);
    EXPECT_TRUE(sinArchivo.errores.contains("/no/existe.csv")) << sinArchivo.errores.toStdString();
}
