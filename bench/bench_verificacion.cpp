// The consistency check over 1 000 000 articles in twenty units holding
// 100 000 equivalences: a generic pair over the articles of one unit (a few
// of them without it), and both directions of a pair for articles of the others.
#include "Comprobacion.h"
#include "database/DB_Dll.h"
#include "equivalences/CodigosEquivalencia.h"
#include "equivalences/VerificacionEquivalencias.h"
#include "esquema/GuionEsquema.h"
#include "platform/db/engines/SqliteSchema.h"
#include "platform/os/AnsiFile.h"
#include "platform/os/System.h"
#include "session/BasesDeDatos.h"
#include "session/ServidoresDelPrograma.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <sqlite3.h>

#include <cstdlib>

namespace {

constexpr int kArticulos = 1000000;
constexpr int kUnidades = 20;
constexpr int kSinGenerica = 100;  // articles of U00 created after the generic save
constexpr int kConAmbasDirecciones = 25000;
constexpr char kServidor[] = "BENCH";
constexpr char kEmpresa[] = "VERIFICAR";

QByteArray unidad(int i) { return QString("U%1").arg(i % kUnidades, 2, 10, QChar('0')).toUtf8(); }

void crearEmpresa(const QString& archivo)
{
    db::createSqliteDatabase(archivo, {GuionEsquema("configuracion.sql"), GuionEsquema("empresa.sql")});
    sqlite3* base = abrirSqlite(archivo, SQLITE_OPEN_READWRITE);
    ejecutarSqlite(base, "BEGIN");
    sqlite3_stmt* articulo = nullptr;
    sqlite3_prepare_v2(base, "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad) VALUES (?, 'ARTICULO', ?)",
                       -1, &articulo, nullptr);
    sqlite3_stmt* equivalencia = nullptr;
    sqlite3_prepare_v2(base,
                       "INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) "
                       "VALUES (?, ?, ?, ?, ?)",
                       -1, &equivalencia, nullptr);
    const auto equivale = [&](const QByteArray& codigo, const QByteArray& de, const QByteArray& a, double c,
                              bool generica) {
        sqlite3_bind_text(equivalencia, 1, codigo.constData(), static_cast<int>(codigo.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(equivalencia, 2, de.constData(), static_cast<int>(de.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(equivalencia, 3, a.constData(), static_cast<int>(a.size()), SQLITE_TRANSIENT);
        sqlite3_bind_double(equivalencia, 4, c);
        if (generica)
            sqlite3_bind_int(equivalencia, 5, 1);
        else
            sqlite3_bind_null(equivalencia, 5);
        escribirSqlite(base, equivalencia);
    };
    int ambas = 0;
    for (int i = 0; i < kArticulos; ++i) {
        const QByteArray codigo = codigoArticulo(QString::number(1000000 + i)).toUtf8();
        const QByteArray suya = unidad(i);
        sqlite3_bind_text(articulo, 1, codigo.constData(), static_cast<int>(codigo.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(articulo, 2, suya.constData(), static_cast<int>(suya.size()), SQLITE_TRANSIENT);
        escribirSqlite(base, articulo);
        if (i % kUnidades == 0 && i / kUnidades >= kSinGenerica) {
            equivale(codigo, "U00", "U01", 12, true);
        } else if (i % kUnidades != 0 && i % kUnidades != kUnidades - 1 && ambas < kConAmbasDirecciones && i % 7 == 0) {
            equivale(codigo, suya, "U19", 4, false);
            equivale(codigo, "U19", suya, ambas % 10 ? 0.25 : 0.3, false);
            ++ambas;
        }
    }
    sqlite3_finalize(articulo);
    sqlite3_finalize(equivalencia);
    ejecutarSqlite(base, "COMMIT");
    exigir(contarSqlite(base, "SELECT COUNT(*) FROM V_MA_ARTICULOS") == kArticulos,
           "the company's articles were not all written");
    sqlite3_close(base);
}

}  // namespace

int main(int argc, char* argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    Service<db::ServerDirectory>::install(std::make_unique<ServidoresDelPrograma>());
    BasesDeDatos bases;
    QTemporaryDir carpeta;
    qputenv(os::kProgramFolderVariable, carpeta.path().toLocal8Bit());
    os::writeAnsiFile(carpeta.filePath("servidores.ini"), "[BENCH]\r\nmotor=sqlite\r\ncarpeta=.\r\n");
    crearEmpresa(carpeta.filePath(QString(kEmpresa) + ".sqlite"));

    DB_Dll& base = gBaseDatos();
    base.gServidor = kServidor;
    base.gDBName = base.gUsuario = base.gUserPassWord = kEmpresa;
    base.OpenServerADODB(false, 3, {}, true, true);
    const long filas = base.gCnn.Execute("SELECT COUNT(*) FROM S_TA_EQUIV").Fields(0).Value().toLong();

    QElapsedTimer reloj;
    reloj.start();
    const QVector<Hallazgo> hallazgos = VerificacionEquivalencias(base).Verificar();
    const double segundos = reloj.nsecsElapsed() / 1e9;

    // The seeded faults: the articles without the generic pair and one in ten pairs off by 1.2.
    const qsizetype sembrados = kSinGenerica + kConAmbasDirecciones / 10;
    exigir(hallazgos.size() == sembrados,
           QString("the check found %1 faults of the %2 seeded").arg(hallazgos.size()).arg(sembrados));
    QTextStream(stdout) << "consistency check, " << kArticulos << " articles, " << filas
                        << " equivalences: " << segundos << " s, " << hallazgos.size() << " findings\n";
    return 0;
}
