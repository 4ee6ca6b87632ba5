#include "DatosDemo.h"

#include "codesearch/IndiceFragmentos.h"
#include "codesearch/ReglasBusqueda.h"
#include "equivalences/CodigosEquivalencia.h"
#include "esquema/GuionEsquema.h"
#include "platform/ErrorVB.h"
#include "platform/Variant.h"
#include "platform/db/DbErrors.h"
#include "platform/db/Dialect.h"
#include "platform/db/EngineFactory.h"
#include "platform/db/ServerList.h"
#include "platform/db/engines/OdbcEngine.h"
#include "platform/db/engines/SqliteFunctions.h"
#include "platform/db/engines/SqliteSchema.h"
#include "platform/os/AnsiFile.h"
#include "platform/os/System.h"
#include "session/BasesRegistradas.h"
#include "session/ServidoresDelPrograma.h"
#include "session/VerificaConexion.h"
#include "suitesupport/QvFunciones.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <sqlite3.h>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <tuple>

namespace {

constexpr char kCarpetaDatos[] = "datos";
constexpr std::array kPuntosDeVenta{std::pair{"0001", "TPV01_DEMO"}, std::pair{"0002", "TPV02_DEMO"}};
constexpr int kAnchoUnidadNegocio = 4;
constexpr int kCadaSuspendido = 50;  // one article in so many is suspended

// A small generator of our own, so that a seed gives the same data everywhere.
class Secuencia {
public:
    explicit Secuencia(quint32 semilla) : estado_(semilla) {}
    quint32 siguiente()
    {
        estado_ = estado_ * 1664525u + 1013904223u;
        return estado_ >> 8;
    }
    int hasta(int tope) { return static_cast<int>(siguiente() % static_cast<quint32>(tope)); }

private:
    quint32 estado_;
};

struct Familia {
    const char* prefijo;
    const char* nombre;
    const char* unidad;
    std::array<const char*, 8> productos;
    std::array<const char*, 5> variantes;
};

const std::array<Familia, 8>& familias()
{
    static const std::array<Familia, 8> lista{{
        {"ALM",
         "Almacén",
         "KG",
         {"Harina de trigo", "Azúcar", "Arroz largo fino", "Yerba mate", "Polenta", "Lentejas", "Fideos tirabuzón",
          "Sal fina"},
         {"000", "integral", "premium", "económica", "orgánica"}},
        {"BEB",
         "Bebidas",
         "LT",
         {"Aceite de girasol", "Leche entera", "Vinagre de alcohol", "Jugo de naranja", "Agua mineral", "Gaseosa cola",
          "Vino tinto", "Sidra O'Neill"},
         {"", "light", "descremada", "familiar", "x 6"}},
        {"FER",
         "Ferretería",
         "UN",
         {"Tornillo autorroscante", "Tuerca hexagonal", "Bisagra", "Candado", "Llave de paso", "Clavo punta París",
          "Arandela plana", "Taco fisher"},
         {"3 mm", "5 mm", "8 mm", "10 mm", "zincado"}},
        {"ELE",
         "Electricidad",
         "M",
         {"Cable unipolar", "Cable tipo taller", "Caño corrugado", "Manguera", "Cinta aisladora", "Cadena galvanizada",
          "Soga de nylon", "Alambre"},
         {"1 mm", "2,5 mm", "4 mm", "negro", "rojo"}},
        {"TEX",
         "Revestimientos",
         "M2",
         {"Lona", "Membrana asfáltica", "Malla sombra", "Nylon agrícola", "Alfombra", "Cerámica", "Porcelanato",
          "Placa de yeso"},
         {"beige", "gris", "blanca", "reforzada", "liviana"}},
        {"LIM",
         "Limpieza",
         "ML",
         {"Lavandina", "Limpiador de pisos", "Suavizante", "Jabón líquido", "Alcohol en gel", "Desengrasante",
          "Perfume de ambiente", "Cera"},
         {"500", "750", "1000", "lavanda", "limón"}},
        {"GOL",
         "Golosinas",
         "PAQ",
         {"Galletitas de agua", "Alfajores", "Caramelos", "Chicles", "Turrón", "Bizcochos", "Obleas", "Budín"},
         {"surtidos", "de chocolate", "de vainilla", "x 12", "x 24"}},
        {"BAZ",
         "Bazar",
         "CJ",
         {"Vaso de vidrio", "Plato playo", "Taza con plato", "Cubiertos", "Fósforos", "Velas", "Servilletas",
          "Bolsas de residuo"},
         {"x 6", "x 12", "x 24", "x 50", "x 100"}},
    }};
    return lista;
}

struct Cierre {
    void operator()(sqlite3* conexion) const { sqlite3_close(conexion); }
};
using Base = std::unique_ptr<sqlite3, Cierre>;

Base abrir(const QString& ruta)
{
    sqlite3* conexion = nullptr;
    if (sqlite3_open_v2(ruta.toUtf8().constData(), &conexion, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(conexion);
        throw ErrorVB(-1, "No se puede abrir " + ruta);
    }
    db::registerTsqlFunctions(conexion);
    return Base(conexion);
}

void ejecutarEn(sqlite3* conexion, const QString& sql)
{
    char* mensaje = nullptr;
    if (sqlite3_exec(conexion, sql.toUtf8().constData(), nullptr, nullptr, &mensaje) == SQLITE_OK) return;
    const QString texto = QString::fromUtf8(mensaje);
    sqlite3_free(mensaje);
    throw ErrorVB(-1, texto + " en: " + sql.left(120));
}

// Every article the table's triggers noted goes into its search index, as
// the program's searches would take them in, a few at a time.
void indexarArticulos(sqlite3* base)
{
    QString tabla = "V_MA_ARTICULOS";
    ConfiguracionBusqueda articulos;
    ReglasBusqueda::ElegirColumnas(tabla, tabla, {}, articulos);
    const std::unique_ptr<db::Dialect> sqlite = db::makeSqliteDialect();
    for (const QString& sentencia : IndiceFragmentos::PuestaAlDia(articulos, std::nullopt)) {
        for (const QString& traducida : sqlite->translate(sentencia, kEmpresaDemo)) ejecutarEn(base, traducida);
    }
}

// Where the demo's rows go: a new SQLite file, or a database of a server.
class Destino {
public:
    virtual ~Destino() = default;
    virtual void ejecutar(const QString& sql) = 0;
    // Runs a statement with "?" markers for one row; it is prepared at its first row.
    virtual void fila(const QString& sql, const QVector<Variant>& valores) = 0;
    // Only a SQLite company keeps the articles' search index.
    virtual void indexarArticulos() {}
};

class ArchivoSqlite : public Destino {
public:
    explicit ArchivoSqlite(sqlite3* conexion) : conexion_(conexion) {}

    void ejecutar(const QString& sql) override { ejecutarEn(conexion_, sql); }
    void indexarArticulos() override { ::indexarArticulos(conexion_); }

    void fila(const QString& sql, const QVector<Variant>& valores) override
    {
        sqlite3_stmt* sentencia = preparada(sql);
        for (int i = 0; i < valores.size(); ++i) {
            const Variant& valor = valores[i];
            switch (valor.type()) {
            case Variant::Type::Empty:
            case Variant::Type::Null: sqlite3_bind_null(sentencia, i + 1); break;
            case Variant::Type::Boolean:
            case Variant::Type::Integer: sqlite3_bind_int64(sentencia, i + 1, valor.toLong()); break;
            case Variant::Type::Double: sqlite3_bind_double(sentencia, i + 1, valor.toDouble()); break;
            case Variant::Type::Text:
            case Variant::Type::Date: {
                const QByteArray texto = valor.toText().toUtf8();
                sqlite3_bind_text(sentencia, i + 1, texto.constData(), static_cast<int>(texto.size()),
                                  SQLITE_TRANSIENT);
                break;
            }
            }
        }
        if (sqlite3_step(sentencia) != SQLITE_DONE) throw ErrorVB(-1, QString::fromUtf8(sqlite3_errmsg(conexion_)));
        sqlite3_reset(sentencia);
    }

private:
    struct Finalizar {
        void operator()(sqlite3_stmt* sentencia) const { sqlite3_finalize(sentencia); }
    };

    sqlite3_stmt* preparada(const QString& sql)
    {
        auto& sentencia = preparadas_[sql];
        if (sentencia) return sentencia.get();
        sqlite3_stmt* nueva = nullptr;
        if (sqlite3_prepare_v2(conexion_, sql.toUtf8().constData(), -1, &nueva, nullptr) != SQLITE_OK)
            throw ErrorVB(-1, QString::fromUtf8(sqlite3_errmsg(conexion_)) + " en: " + sql);
        sentencia.reset(nueva);
        return nueva;
    }

    sqlite3* conexion_;
    std::map<QString, std::unique_ptr<sqlite3_stmt, Finalizar>> preparadas_;
};

// A database of a server, through its own login.
class BaseServidor : public Destino {
public:
    explicit BaseServidor(db::Engine& motor) : motor_(motor) {}
    void ejecutar(const QString& sql) override { motor_.run(sql); }
    void fila(const QString& sql, const QVector<Variant>& valores) override { motor_.run(sql, valores); }

private:
    db::Engine& motor_;
};

// Inserts rows through one statement with "?" markers.
class Insercion {
public:
    Insercion(Destino& destino, QString sql) : destino_(destino), sql_(std::move(sql)) {}
    void fila(const QVector<Variant>& valores) { destino_.fila(sql_, valores); }

private:
    Destino& destino_;
    QString sql_;
};

QString guion(const QString& nombre, const QString& motor)
{
    const QString texto = GuionEsquema(nombre, motor);
    if (texto.isEmpty()) throw ErrorVB(53, "Falta el guion " + nombre);
    return texto;
}

void cargarUnidades(Destino& base)
{
    static const std::array<std::pair<const char*, const char*>, 14> unidades{{
        {"UN", "Unidad"},
        {"KG", "Kilogramo"},
        {"GR", "Gramo"},
        {"TN", "Tonelada"},
        {"LT", "Litro"},
        {"ML", "Mililitro"},
        {"CJ", "Caja"},
        {"DOC", "Docena"},
        {"M", "Metro"},
        {"CM", "Centímetro"},
        {"M2", "Metro cuadrado"},
        {"PAQ", "Paquete"},
        {"BOL", "Bolsa"},
        {"PAR", "Par"},
    }};
    Insercion insertar(base, "INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES (?, ?)");
    for (const auto& [codigo, descripcion] : unidades) insertar.fila({codigoUnidad(codigo), descripcion});
}

// A family's code: the family's prefix, then two digits per level below it.
QString codigoFamilia(const char* prefijo, int producto, int variante = -1)
{
    QString codigo = QString("%1%2").arg(prefijo).arg(producto + 1, 2, 10, QChar('0'));
    if (variante >= 0) codigo += QString("%1").arg(variante + 1, 2, 10, QChar('0'));
    return codigo;
}

// Article families in three levels: the family, its products, their variants.
void cargarFamilias(Destino& base)
{
    Insercion familia(base, "INSERT INTO V_TA_FAMILIAS (IdFamilia, Descripcion) VALUES (?, ?)");
    for (const Familia& f : familias()) {
        familia.fila({f.prefijo, QString::fromUtf8(f.nombre)});
        for (int p = 0; p < static_cast<int>(f.productos.size()); ++p) {
            const QString producto = QString::fromUtf8(f.productos[static_cast<size_t>(p)]);
            familia.fila({codigoFamilia(f.prefijo, p), producto});
            for (int v = 0; v < static_cast<int>(f.variantes.size()); ++v) {
                const QString variante = QString::fromUtf8(f.variantes[static_cast<size_t>(v)]);
                if (!variante.isEmpty()) familia.fila({codigoFamilia(f.prefijo, p, v), producto + " " + variante});
            }
        }
    }
}

// A few rows in the tables the lookups of the suite's other entities read.
void cargarTablasDeConsulta(Destino& base)
{
    base.ejecutar(
        "INSERT INTO V_TA_DEPOSITO (IdDeposito, Descripcion, Unidad) VALUES ('   1', 'Depósito central', '   1'), "
        "('   2', 'Depósito Norte', '   1')");
    base.ejecutar(
        "INSERT INTO MA_CLIENTES (Codigo, Razon_Social, Codigo_Sucursal, Contacto, Numero_Documento, Dada_De_Baja) "
        "VALUES ('   1', 'Almacén Don José', '     1', 'José Pérez', '20123456789', 0), "
        "('   2', 'Supermercado La Esquina', '     1', 'Marta Gómez', '30712345678', 0), "
        "('   3', 'Kiosco El Paso', '     1', 'Luis Díaz', '20987654321', 1)");
    base.ejecutar(
        "INSERT INTO MA_PROVEEDORES (Codigo, Razon_Social, Dada_De_Baja) VALUES "
        "('   1', 'Molinos del Plata S.A.', 0), ('   2', 'Distribuidora Ferretera', 0)");
    base.ejecutar(
        "INSERT INTO V_TA_VENDEDORES (IdVendedor, Nombre) VALUES ('   1', 'Carlos Ruiz'), ('   2', 'Ana Sosa')");
    base.ejecutar("INSERT INTO V_TA_TECNICOS (IdTecnico, Nombre) VALUES ('   1', 'Jorge Benítez')");
    base.ejecutar(
        "INSERT INTO V_TA_TAREAS (IdTarea, Descripcion) VALUES ('   1', 'Instalación'), ('   2', 'Reparación')");
    base.ejecutar(
        "INSERT INTO MA_CUENTAS (Codigo, Descripcion) VALUES ('1', 'Activo'), ('11', 'Caja y bancos'), "
        "('1101', 'Caja'), ('1102', 'Bancos'), ('2', 'Pasivo'), ('21', 'Proveedores')");
}

// Articles, each with its base unit and family, a few of them suspended, and
// the per-article equivalences a clerk would have recorded for some of them.
void cargarArticulos(Destino& base, int cantidad)
{
    Secuencia azar(20251209);
    Insercion articulo(base,
                       "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad, IdFamilia, Precio, Baja, "
                       "Suspendido) VALUES (?, ?, ?, ?, ?, 0, ?)");
    Insercion equivalencia(base,
                           "INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, "
                           "PARATODOS) VALUES (?, ?, ?, ?, NULL)");
    for (int i = 0; i < cantidad; ++i) {
        const Familia& familia = familias()[static_cast<size_t>(azar.hasta(familias().size()))];
        const int numeroProducto = azar.hasta(8);
        const QString producto = QString::fromUtf8(familia.productos[static_cast<size_t>(numeroProducto)]);
        const QString variante = QString::fromUtf8(familia.variantes[static_cast<size_t>(azar.hasta(5))]);
        const QString descripcion = (producto + " " + variante).trimmed() + " (" + QString::number(i + 1) + ")";
        // Most codes are numbers, as the suite numbers articles; some are mnemonic.
        const QString codigo = i % 4 == 3 ? QString("%1-%2").arg(familia.prefijo).arg(i + 1, 5, 10, QChar('0'))
                                          : QString::number(10000 + i);
        const QString idArticulo = codigoArticulo(codigo);
        const QString unidad = codigoUnidad(familia.unidad);
        articulo.fila({idArticulo, descripcion, unidad, codigoFamilia(familia.prefijo, numeroProducto),
                       100.0 + azar.hasta(90000) / 10.0, i % kCadaSuspendido == kCadaSuspendido - 1 ? 1 : 0});
        if (azar.hasta(5) == 0) {
            const bool porCaja = QString(familia.unidad) == "UN";
            equivalencia.fila({idArticulo, porCaja ? codigoUnidad("CJ") : unidad,
                               porCaja ? unidad : codigoUnidad("BOL"), porCaja ? 12.0 : 25.0});
        }
    }
}

// Generic equivalences: one row per article whose base unit is either unit.
void cargarEquivalenciasGenericas(Destino& base)
{
    static const std::array<std::tuple<const char*, const char*, double>, 3> genericas{{
        {"KG", "GR", 1000.0},
        {"LT", "ML", 1000.0},
        {"M", "CM", 100.0},
    }};
    for (const auto& [unidad, equivalente, coeficiente] : genericas) {
        base.ejecutar(QString("INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, "
                              "PARATODOS) SELECT IdArticulo, '%1', '%2', %3, 1 FROM V_MA_ARTICULOS "
                              "WHERE IdUnidad IN ('%1', '%2')")
                          .arg(codigoUnidad(unidad), codigoUnidad(equivalente))
                          .arg(coeficiente));
    }
}

void cargarUsuariosYMenu(Destino& base)
{
    Insercion usuario(base,
                      "INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, Password, Administrador, UNegocio, "
                      "verproforma, CLASEPUSA) VALUES (?, 'QURO', ?, ?, ?, 0, ?)");
    usuario.fila({kUsuarioDemo, QvFunciones::Encriptar(kClaveDemo), 1,
                  QvFunciones::FormatoCodigo("1", kAnchoUnidadNegocio), "A,B"});
    usuario.fila({"VENTAS", QvFunciones::Encriptar("ventas"), 0, Variant::null(), "A"});
    base.ejecutar(
        "INSERT INTO TA_MENU (Clave, Nombre, Proceso) VALUES "
        "('STK010', 'Equivalencias de unidades', 'EQUIVALENCIAS'),"
        "('STK001', 'Artículos', 'ARTICULOS')");
    // D010301 lets the demo user add units (and other general tables) from the code search box.
    base.ejecutar(
        "INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('ADMIN', 'STK010'), ('ADMIN', 'STK001'), "
        "('VENTAS', 'STK001'), ('ADMIN', 'D010301')");
    base.ejecutar(
        "INSERT INTO V_TA_UNIDADNEGOCIO (Codigo, Descripcion, razon_social, Cuit, PDV) VALUES "
        "('   1', 'Casa central', 'Distribuidora del Sur S.A.', '30-71234567-8', '0001')");
}

void cargarConfiguracion(Destino& base, bool empresa)
{
    Insercion ajuste(base,
                     "INSERT INTO TA_CONFIGURACION (GRUPO, CLAVE, VALOR, VALORAUX, PoliticaNegocio) "
                     "VALUES (?, ?, ?, ?, 0)");
    if (!empresa) {
        ajuste.fila({"BaseDeDatos", "TIMEOUT", "45", Variant::null()});
        return;
    }
    const std::array<std::pair<const char*, const char*>, 12> ajustes{{
        {"NOMBRE", "Distribuidora del Sur S.A."},
        {"CUIT", "30-71234567-8"},
        {"CONDIVAEMPRESA", "1"},
        {"CFONDO", "16774118"},
        {"CLETRA", "0"},
        {"USACONSULTALIKE", "NO"},
        {"THEME", "1"},
        {"TITULOCLIENTES", "Clientes"},
        {"TITULOPROVEEDORES", "Proveedores"},
        {"TOP_DEFAULT", "1000"},
        {"GRP_DESHABILITADO", "1"},
        {"CANTIDADDECIMALES", "2"},
    }};
    for (const auto& [clave, valor] : ajustes) ajuste.fila({"DATOS", clave, valor, Variant::null()});
    ajuste.fila({"DATOS", "GRP_TABLAS", "", "|S_TA_EQUIV|"});
}

void cargarPuntosDeVenta(Destino& base, const QString& servidor)
{
    Insercion punto(base,
                    "INSERT INTO V_TA_TPV (CODIGO, Descripcion, Server, Dbname, Usuario, Password, INTERNET, "
                    "BAJA, CONECTADO, OL_ExceptoArticulos) VALUES (?, ?, ?, ?, ?, ?, 0, 0, 0, 0)");
    const std::array<const char*, 2> nombres{"Sucursal Centro", "Sucursal Norte"};
    for (size_t i = 0; i < kPuntosDeVenta.size(); ++i) {
        const auto& [codigo, baseDatos] = kPuntosDeVenta[i];
        punto.fila({codigo, nombres[i], servidor, baseDatos, baseDatos, baseDatos});
    }
}

// The new database takes the place of an old one through SQLite, page by
// page: a program that has the old one open keeps its locks and its log, and
// reads the new content at its next statement. Removing or renaming over the
// file would leave it writing into a file nobody else sees.
bool ponerEnLugar(const QString& provisoria, const QString& ruta)
{
    if (QFile::exists(ruta)) {
        const Base origen = abrir(provisoria);
        const Base destino = abrir(ruta);
        sqlite3_backup* copia = sqlite3_backup_init(destino.get(), "main", origen.get(), "main");
        const bool copiada = copia && sqlite3_backup_step(copia, -1) == SQLITE_DONE;
        sqlite3_backup_finish(copia);
        // Only a file SQLite cannot read as a database is replaced as a file: no connection can hold it.
        if (copiada || sqlite3_errcode(destino.get()) != SQLITE_NOTADB) {
            QFile::remove(provisoria);
            if (!copiada) throw ErrorVB(-1, "No se puede reemplazar " + ruta + ": " + sqlite3_errmsg(destino.get()));
            return true;
        }
    }
    return QFile::rename(provisoria, ruta);
}

using Carga = std::function<void(Destino&)>;

// One database of the demo: its login's password, its schema scripts (those
// of the engine's compatibility first, where it has them) and its rows.
struct BaseDemo {
    QString nombre;
    QString clave;
    QStringList guiones;
    Carga cargar;
};

QVector<BaseDemo> basesDemo(const OpcionesDemo& opciones, const QString& servidor)
{
    const QStringList empresa{"configuracion.sql", "empresa.sql"};
    QVector<BaseDemo> bases{{kEmpresaDemo, kEmpresaDemo, empresa, [&opciones, servidor](Destino& base) {
                                 cargarUnidades(base);
                                 cargarFamilias(base);
                                 cargarArticulos(base, opciones.articulos);
                                 base.indexarArticulos();
                                 cargarTablasDeConsulta(base);
                                 cargarEquivalenciasGenericas(base);
                                 cargarUsuariosYMenu(base);
                                 cargarConfiguracion(base, true);
                                 cargarPuntosDeVenta(base, servidor);
                             }}};
    for (const auto& [codigo, nombre] : kPuntosDeVenta) {
        bases.append({nombre, nombre, empresa, [](Destino& base) {
                          cargarUnidades(base);
                          cargarConfiguracion(base, true);
                      }});
    }
    bases.append({kBaseEstadisticas, kClaveEstadisticas, {"configuracion.sql"}, [](Destino& base) {
                      cargarConfiguracion(base, false);
                  }});
    return bases;
}

// Creates one SQLite database from the scripts, fills it in one transaction
// and compacts it; returns whether it was written.
bool crearArchivo(const QString& carpetaDatos, const BaseDemo& demo, bool reemplazar)
{
    const QString ruta = QDir(carpetaDatos).filePath(demo.nombre + ".sqlite");
    if (QFile::exists(ruta) && !reemplazar) return false;
    QStringList textos;
    for (const QString& g : demo.guiones) textos.append(guion(g, kEsquemaSqlite));
    const QString provisoria = ruta + ".nueva";
    db::createSqliteDatabase(provisoria, textos);
    {
        Base base = abrir(provisoria);
        {
            ArchivoSqlite destino(base.get());
            destino.ejecutar("BEGIN");
            demo.cargar(destino);
            destino.ejecutar("COMMIT");
        }
        // Rewritten once filled, so that each index lies in order in the file:
        // built row by row its pages are scattered, and a search that scans an
        // index would read the file back and forth.
        ejecutarEn(base.get(), "VACUUM");
    }
    return ponerEnLugar(provisoria, ruta);
}

// The demo's server, added to a server registry that lacks it (such as the
// one an installed program starts with).
void registrarServidorDemo(const QString& carpeta)
{
    if (!db::ServerList::read(carpeta, kArchivoServidores).engine(kServidorDemo).isEmpty()) return;
    const QString ruta = os::findFileIgnoringCase(carpeta, kArchivoServidores);
    const QString seccion = QString("[%1]\r\nmotor=sqlite\r\ncarpeta=%2\r\n").arg(kServidorDemo, kCarpetaDatos);
    if (!os::appendAnsiText(ruta, os::kCrLf + seccion)) throw ErrorVB(-1, "No se puede escribir " + ruta);
}

// The demo's company among the registered connections, so that the login
// window offers it to a program started without a command line.
void registrarConexionDemo(const QString& carpeta, const QString& servidor)
{
    const BasesRegistradas bases = BasesRegistradas::EnCarpeta(carpeta);
    const QString nombre = BasesRegistradas::NombreConexion(kEmpresaDemo, servidor);
    if (bases.buscar(nombre)) return;
    bases.agregar({nombre, kEmpresaDemo, kEmpresaDemo, kEmpresaDemo, servidor});
}

int crearEnCarpeta(const OpcionesDemo& opciones)
{
    const QString carpetaDatos = QDir(opciones.carpeta).filePath(kCarpetaDatos);
    QDir().mkpath(carpetaDatos);
    registrarServidorDemo(opciones.carpeta);
    registrarConexionDemo(opciones.carpeta, kServidorDemo);
    int escritas = 0;
    for (const BaseDemo& demo : basesDemo(opciones, kServidorDemo))
        escritas += crearArchivo(carpetaDatos, demo, opciones.reemplazar) ? 1 : 0;
    return escritas;
}

// On a PostgreSQL server: the database where its administrator signs in, and
// how long a login may wait for it.
constexpr char kBaseAdministracion[] = "postgres";
constexpr int kEsperaServidor = 15;

QString entreComillas(const QString& nombre) { return '"' + nombre + '"'; }

// Makes one database on the server, owned by its login, which runs the
// scripts and fills it in one transaction; returns whether it was written.
bool crearEnServidor(db::OdbcEngine& administrador, const QString& cadena, const BaseDemo& demo, bool reemplazar)
{
    const QString base = entreComillas(demo.nombre);
    const bool existe = !administrador.run("SELECT 1 FROM pg_database WHERE datname = ?", {demo.nombre}).rows.isEmpty();
    if (existe && !reemplazar) return false;
    if (existe) administrador.run("DROP DATABASE " + base + " WITH (FORCE)");
    // The login may be there already, from another company of the server.
    const QString login = base + " LOGIN PASSWORD '" + demo.clave + "'";
    administrador.run("DO $$ BEGIN CREATE ROLE " + login + "; EXCEPTION WHEN duplicate_object THEN ALTER ROLE " + login
                      + "; END $$");
    administrador.run("CREATE DATABASE " + base + " OWNER " + base + " ENCODING 'UTF8' TEMPLATE template0");

    db::OdbcEngine propia(db::odbcTextWithLogin(cadena, demo.nombre, demo.clave), demo.nombre, kEsperaServidor);
    for (const QString& g : QStringList{"compat.sql"} + demo.guiones) propia.run(guion(g, kEsquemaPostgresql));
    BaseServidor destino(propia);
    propia.beginTransaction();
    demo.cargar(destino);
    propia.commitTransaction();
    return true;
}

int crearEnServidorOdbc(const OpcionesDemo& opciones)
{
    const db::ServerList servidores = db::ServerList::read(opciones.carpeta, kArchivoServidores);
    const QString cadena = servidores.odbcText(opciones.servidor);
    if (servidores.engine(opciones.servidor).compare("odbc", Qt::CaseInsensitive) != 0 || cadena.isEmpty())
        throw ErrorVB(-1, "El servidor " + opciones.servidor + " no figura en "
                              + os::findFileIgnoringCase(opciones.carpeta, kArchivoServidores)
                              + " con motor=odbc y cadena=.");
    try {
        db::OdbcEngine administrador(db::odbcTextWithLogin(cadena, opciones.administrador, opciones.claveAdministrador),
                                     kBaseAdministracion, kEsperaServidor);
        int escritas = 0;
        for (const BaseDemo& demo : basesDemo(opciones, opciones.servidor))
            escritas += crearEnServidor(administrador, cadena, demo, opciones.reemplazar) ? 1 : 0;
        registrarConexionDemo(opciones.carpeta, opciones.servidor);
        return escritas;
    } catch (const db::EngineFailure& falla) {
        throw ErrorVB(-1, opciones.servidor + ": " + falla.description.trimmed());
    }
}

}  // namespace

int crearDatosDemo(const OpcionesDemo& opciones)
{
    return opciones.servidor.isEmpty() ? crearEnCarpeta(opciones) : crearEnServidorOdbc(opciones);
}

QString conexionDemo()
{
    return QString("PROVIDER=SQLOLEDB;Server=%1;Database =%2;UId=%2;Pwd=%2;Connect Timeout=5;")
        .arg(kServidorDemo, kEmpresaDemo);
}
