#include "DatosDemo.h"

#include "platform/ErrorVB.h"
#include "platform/db/engines/SqliteFunctions.h"
#include "platform/db/engines/SqliteSchema.h"
#include "platform/os/AnsiFile.h"
#include "platform/os/System.h"
#include "vendor/QvFunciones.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QVariant>

#include <sqlite3.h>

#include <array>
#include <functional>
#include <memory>
#include <tuple>

namespace {

constexpr char kEstadisticas[] = "VX_ESTADISTICAS";
constexpr std::array kPuntosDeVenta{std::pair{"0001", "TPV01_DEMO"}, std::pair{"0002", "TPV02_DEMO"}};
constexpr int kAnchoArticulo = 25;
constexpr int kAnchoUnidad = 4;

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
    const char* unidad;
    std::array<const char*, 8> productos;
    std::array<const char*, 5> variantes;
};

const std::array<Familia, 8>& familias()
{
    static const std::array<Familia, 8> lista{{
        {"ALM",
         "KG",
         {"Harina de trigo", "Azúcar", "Arroz largo fino", "Yerba mate", "Polenta", "Lentejas", "Fideos tirabuzón",
          "Sal fina"},
         {"000", "integral", "premium", "económica", "orgánica"}},
        {"BEB",
         "LT",
         {"Aceite de girasol", "Leche entera", "Vinagre de alcohol", "Jugo de naranja", "Agua mineral", "Gaseosa cola",
          "Vino tinto", "Detergente"},
         {"", "light", "descremada", "familiar", "x 6"}},
        {"FER",
         "UN",
         {"Tornillo autorroscante", "Tuerca hexagonal", "Bisagra", "Candado", "Llave de paso", "Clavo punta París",
          "Arandela plana", "Taco fisher"},
         {"3 mm", "5 mm", "8 mm", "10 mm", "zincado"}},
        {"ELE",
         "M",
         {"Cable unipolar", "Cable tipo taller", "Caño corrugado", "Manguera", "Cinta aisladora", "Cadena galvanizada",
          "Soga de nylon", "Alambre"},
         {"1 mm", "2,5 mm", "4 mm", "negro", "rojo"}},
        {"TEX",
         "M2",
         {"Lona", "Membrana asfáltica", "Malla sombra", "Nylon agrícola", "Alfombra", "Cerámica", "Porcelanato",
          "Placa de yeso"},
         {"beige", "gris", "blanca", "reforzada", "liviana"}},
        {"LIM",
         "ML",
         {"Lavandina", "Limpiador de pisos", "Suavizante", "Jabón líquido", "Alcohol en gel", "Desengrasante",
          "Perfume de ambiente", "Cera"},
         {"500", "750", "1000", "lavanda", "limón"}},
        {"GOL",
         "PAQ",
         {"Galletitas de agua", "Alfajores", "Caramelos", "Chicles", "Turrón", "Bizcochos", "Obleas", "Budín"},
         {"surtidos", "de chocolate", "de vainilla", "x 12", "x 24"}},
        {"BAZ",
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

void ejecutar(sqlite3* conexion, const QString& sql)
{
    char* mensaje = nullptr;
    if (sqlite3_exec(conexion, sql.toUtf8().constData(), nullptr, nullptr, &mensaje) == SQLITE_OK) return;
    const QString texto = QString::fromUtf8(mensaje);
    sqlite3_free(mensaje);
    throw ErrorVB(-1, texto + " en: " + sql.left(120));
}

// Inserts rows through one prepared statement with "?" markers.
class Insercion {
public:
    Insercion(sqlite3* conexion, const QString& sql) : conexion_(conexion)
    {
        if (sqlite3_prepare_v2(conexion, sql.toUtf8().constData(), -1, &sentencia_, nullptr) != SQLITE_OK) {
            throw ErrorVB(-1, QString::fromUtf8(sqlite3_errmsg(conexion)) + " en: " + sql);
        }
    }
    ~Insercion() { sqlite3_finalize(sentencia_); }
    Insercion(const Insercion&) = delete;
    Insercion& operator=(const Insercion&) = delete;

    void fila(const QVariantList& valores)
    {
        for (int i = 0; i < valores.size(); ++i) {
            const QVariant& valor = valores[i];
            if (valor.isNull()) {
                sqlite3_bind_null(sentencia_, i + 1);
            } else if (valor.typeId() == QMetaType::Int) {
                sqlite3_bind_int(sentencia_, i + 1, valor.toInt());
            } else if (valor.typeId() == QMetaType::Double) {
                sqlite3_bind_double(sentencia_, i + 1, valor.toDouble());
            } else {
                const QByteArray texto = valor.toString().toUtf8();
                sqlite3_bind_text(sentencia_, i + 1, texto.constData(), static_cast<int>(texto.size()),
                                  SQLITE_TRANSIENT);
            }
        }
        if (sqlite3_step(sentencia_) != SQLITE_DONE) {
            throw ErrorVB(-1, QString::fromUtf8(sqlite3_errmsg(conexion_)));
        }
        sqlite3_reset(sentencia_);
    }

private:
    sqlite3* conexion_;
    sqlite3_stmt* sentencia_ = nullptr;
};

QString guion(const QString& nombre)
{
    QFile archivo(":/sql/sqlite/" + nombre);
    if (!archivo.open(QIODevice::ReadOnly)) throw ErrorVB(53, "Falta el guion " + nombre);
    return QString::fromUtf8(archivo.readAll());
}

QString codigoUnidad(const char* codigo) { return QvFunciones::FormatoCodigo(codigo, kAnchoUnidad); }

void cargarUnidades(sqlite3* base)
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

// Articles, each with its base unit, and the per-article equivalences a
// clerk would have recorded for some of them.
void cargarArticulos(sqlite3* base, int cantidad)
{
    Secuencia azar(20251209);
    Insercion articulo(base,
                       "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad, IdFamilia, Precio, Baja) "
                       "VALUES (?, ?, ?, ?, ?, 0)");
    Insercion equivalencia(base,
                           "INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, "
                           "PARATODOS) VALUES (?, ?, ?, ?, NULL)");
    for (int i = 0; i < cantidad; ++i) {
        const Familia& familia = familias()[static_cast<size_t>(azar.hasta(familias().size()))];
        const QString producto = QString::fromUtf8(familia.productos[static_cast<size_t>(azar.hasta(8))]);
        const QString variante = QString::fromUtf8(familia.variantes[static_cast<size_t>(azar.hasta(5))]);
        const QString descripcion = (producto + " " + variante).trimmed() + " (" + QString::number(i + 1) + ")";
        // Most codes are numbers, as the suite numbers articles; some are mnemonic.
        const QString codigo = i % 4 == 3 ? QString("%1-%2").arg(familia.prefijo).arg(i + 1, 5, 10, QChar('0'))
                                          : QString::number(10000 + i);
        const QString idArticulo = QvFunciones::FormatoCodigo(codigo, kAnchoArticulo);
        const QString unidad = codigoUnidad(familia.unidad);
        articulo.fila({idArticulo, descripcion, unidad, familia.prefijo, 100.0 + azar.hasta(90000) / 10.0});
        if (azar.hasta(5) == 0) {
            const bool porCaja = QString(familia.unidad) == "UN";
            equivalencia.fila({idArticulo, porCaja ? codigoUnidad("CJ") : unidad,
                               porCaja ? unidad : codigoUnidad("BOL"), porCaja ? 12.0 : 25.0});
        }
    }
}

// Generic equivalences: one row per article whose base unit is either unit.
void cargarEquivalenciasGenericas(sqlite3* base)
{
    static const std::array<std::tuple<const char*, const char*, double>, 3> genericas{{
        {"KG", "GR", 1000.0},
        {"LT", "ML", 1000.0},
        {"M", "CM", 100.0},
    }};
    for (const auto& [unidad, equivalente, coeficiente] : genericas) {
        ejecutar(base, QString("INSERT OR REPLACE INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, "
                               "PARATODOS) SELECT IdArticulo, '%1', '%2', %3, 1 FROM V_MA_ARTICULOS "
                               "WHERE IdUnidad IN ('%1', '%2')")
                           .arg(codigoUnidad(unidad), codigoUnidad(equivalente))
                           .arg(coeficiente));
    }
}

void cargarUsuariosYMenu(sqlite3* base)
{
    Insercion usuario(base,
                      "INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, Password, Administrador, UNegocio, "
                      "verproforma, CLASEPUSA) VALUES (?, 'QURO', ?, ?, ?, 0, ?)");
    usuario.fila({kUsuarioDemo, QvFunciones::Encriptar(kClaveDemo), 1, codigoUnidad("1"), "A,B"});
    usuario.fila({"VENTAS", QvFunciones::Encriptar("ventas"), 0, QVariant(), "A"});
    ejecutar(base,
             "INSERT INTO TA_MENU (Clave, Nombre, Proceso) VALUES "
             "('STK010', 'Equivalencias de unidades', 'EQUIVALENCIAS'),"
             "('STK001', 'Artículos', 'ARTICULOS')");
    // D010301 lets the demo user add units (and other general tables) from the code search box.
    ejecutar(base,
             "INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('ADMIN', 'STK010'), ('ADMIN', 'STK001'), "
             "('VENTAS', 'STK001'), ('ADMIN', 'D010301')");
    ejecutar(base,
             "INSERT INTO V_TA_UNIDADNEGOCIO (Codigo, Descripcion, razon_social, Cuit, PDV) VALUES "
             "('   1', 'Casa central', 'Distribuidora del Sur S.A.', '30-71234567-8', '0001')");
}

void cargarConfiguracion(sqlite3* base, bool empresa)
{
    Insercion ajuste(base,
                     "INSERT INTO TA_CONFIGURACION (GRUPO, CLAVE, VALOR, VALORAUX, PoliticaNegocio) "
                     "VALUES (?, ?, ?, ?, 0)");
    if (!empresa) {
        ajuste.fila({"BaseDeDatos", "TIMEOUT", "45", QVariant()});
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
    for (const auto& [clave, valor] : ajustes) ajuste.fila({"DATOS", clave, valor, QVariant()});
    ajuste.fila({"DATOS", "GRP_TABLAS", "", "|S_TA_EQUIV|"});
}

void cargarPuntosDeVenta(sqlite3* base)
{
    Insercion punto(base,
                    "INSERT INTO V_TA_TPV (CODIGO, Descripcion, Server, Dbname, Usuario, Password, INTERNET, "
                    "BAJA, CONECTADO, OL_ExceptoArticulos) VALUES (?, ?, ?, ?, ?, ?, 0, 0, 0, 0)");
    const std::array<const char*, 2> nombres{"Sucursal Centro", "Sucursal Norte"};
    for (size_t i = 0; i < kPuntosDeVenta.size(); ++i) {
        const auto& [codigo, baseDatos] = kPuntosDeVenta[i];
        punto.fila({codigo, nombres[i], kServidorDemo, baseDatos, baseDatos, baseDatos});
    }
}

using Carga = std::function<void(sqlite3*)>;

// Creates one database from the scripts and fills it in one transaction;
// returns whether it was written.
bool crearBase(const QString& carpetaDatos, const QString& nombre, const QStringList& guiones, const Carga& cargar,
               bool reemplazar)
{
    const QString ruta = QDir(carpetaDatos).filePath(nombre + ".sqlite");
    if (QFile::exists(ruta) && !reemplazar) return false;
    QStringList textos;
    for (const QString& g : guiones) textos.append(guion(g));
    const QString provisoria = ruta + ".nueva";
    db::createSqliteDatabase(provisoria, textos);
    {
        Base base = abrir(provisoria);
        ejecutar(base.get(), "BEGIN");
        cargar(base.get());
        ejecutar(base.get(), "COMMIT");
    }
    QFile::remove(ruta);
    return QFile::rename(provisoria, ruta);
}

void escribirRegistroDeServidores(const QString& carpeta)
{
    const QString ruta = os::findFileIgnoringCase(carpeta, "servidores.ini");
    if (QFile::exists(ruta)) return;
    os::writeAnsiFile(ruta, QString("[") + kServidorDemo + "]\r\nmotor=sqlite\r\ncarpeta=datos\r\n");
}

}  // namespace

int crearDatosDemo(const OpcionesDemo& opciones)
{
    const QString carpetaDatos = QDir(opciones.carpeta).filePath("datos");
    QDir().mkpath(carpetaDatos);
    escribirRegistroDeServidores(opciones.carpeta);

    const QStringList empresa{"configuracion.sql", "empresa.sql"};
    int escritas = 0;
    const auto contar = [&](bool escrita) { escritas += escrita ? 1 : 0; };
    contar(crearBase(
        carpetaDatos, kEmpresaDemo, empresa,
        [&](sqlite3* base) {
            cargarUnidades(base);
            cargarArticulos(base, opciones.articulos);
            cargarEquivalenciasGenericas(base);
            cargarUsuariosYMenu(base);
            cargarConfiguracion(base, true);
            cargarPuntosDeVenta(base);
        },
        opciones.reemplazar));
    for (const auto& [codigo, nombre] : kPuntosDeVenta) {
        contar(crearBase(
            carpetaDatos, nombre, empresa,
            [](sqlite3* base) {
                cargarUnidades(base);
                cargarConfiguracion(base, true);
            },
            opciones.reemplazar));
    }
    contar(crearBase(
        carpetaDatos, kEstadisticas, {"configuracion.sql"}, [](sqlite3* base) { cargarConfiguracion(base, false); },
        opciones.reemplazar));
    return escritas;
}

QString conexionDemo()
{
    return QString("PROVIDER=SQLOLEDB;Server=%1;Database =%2;UId=%2;Pwd=%2;Connect Timeout=5;")
        .arg(kServidorDemo, kEmpresaDemo);
}
