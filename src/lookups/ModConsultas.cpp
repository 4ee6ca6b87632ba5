#include "lookups/ModConsultas.h"

#include "lookups/ArchivoAnchos.h"
#include "lookups/ArchivoConsultas.h"
#include "lookups/CatalogoConsultas.h"
#include "lookups/Lib_ClsCons3.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/os/System.h"
#include "session/Sesion.h"
#include "suitesupport/QvFunciones.h"

#include <QFile>

#include <array>

namespace {

constexpr char kDefiniciones[] = "consultas.vtx";
constexpr char kArticulos[] = "V_MA_ARTICULOS";
constexpr char kStock[] = "STK_MA_ARTICULOS";

struct Defecto {
    const char* tabla;
    const char* titulo;
    const char* columnas;
};

constexpr std::array<Defecto, 11> kDefectos{{
    {"V_MA_ARTICULOS", "ARTICULOS", "|DESCRIPCION|IDARTICULO|"},
    {"VT_CLIENTES", "CLIENTES", "|RAZON_SOCIAL|CODIGO|CONTACTO|"},
    {"VT_PROVEEDORES", "PROVEEDORES", "|RAZON_SOCIAL|CODIGO|"},
    {"MA_CONTACTOS", "CONTACTOS", "|Nombre_y_Apellido|Domicilio|Localidad|Telefono|"},
    {"V_TA_VENDEDORES", "VENDEDORES", "|NOMBRE|IDVENDEDOR|"},
    {"V_TA_TECNICOS", "TECNICOS", "|NOMBRE|IDTECNICO|"},
    {"V_MA_MANTENIMIENTOS", "MANTENIMIENTOS", "|DESCRIPCION|CODIGO|"},
    {"MA_CUENTAS", "CUENTAS", "|DESCRIPCION|CODIGO|"},
    {"V_TA_Tareas", "TAREAS", "|Descripcion|IdTarea|"},
    {"V_TA_UnidadNegocio", "UnidadNegocio", "|Descripcion|Codigo|"},
    {"V_TA_DEPOSITO", "DEPOSITO", "|Descripcion|IdDeposito|"},
}};

struct DefectoTropa {
    Defecto registro;
    const char* anchos;
};

constexpr std::array<DefectoTropa, 2> kTropas{{
    {{"v_mv_tropa", "TROPA", "|FechaDte|Dte|IdTropa|Patente|Chofer|NroGuia|CuitVendedor|"},
     "1529.188|1575.081|1139.384|1304.258|3058.377|2908.234|1933.724|"},
    {{"V_MV_TROPA_STOCK", "TROPA_STOCK", "|idTropa|categoria|secuencia|lado|kg|comprador|fecha|idPlanilla|id|"},
     "1354.115|1079.327|1004.539|659.4944|1603.976|1575.081|1679.898|419.8328|419.8328|"},
}};

QString Definiciones() { return os::joinPath(os::programFolder(), kDefiniciones); }

// The definition record of `Tabla`; "STK_MA_ARTICULOS" may take the article
// view's record, whichever comes first. `deArticulos` tells which was taken.
std::optional<RegistroConsulta> RegistroDe(const QString& Tabla, bool& deArticulos)
{
    const ArchivoConsultas archivo(gConsulta().gRutaMascaraConsultas);
    if (!archivo.Existe()) return std::nullopt;
    const bool deStock = vb::SameText(Tabla, kStock);
    for (const RegistroConsulta& registro : archivo.Registros()) {
        if (registro.EsDe(Tabla)) return registro;
        if (deStock && registro.EsDe(kArticulos)) {
            deArticulos = true;
            return registro;
        }
    }
    return std::nullopt;
}

// The record's column list as a SELECT list; article views name each column with their table.
QString ListaDe(const QString& Tabla, const QString& columnas)
{
    QString lista;
    if (vb::SameText(Tabla, kStock) || vb::SameText(Tabla, kArticulos)) {
        lista = vb::RTrim(QvFunciones::LimpiarTexto(columnas));
        if (lista.endsWith(u'|')) lista.chop(1);
        lista = vb::Trim(lista.replace(u'|', "," + Tabla.toUpper() + "."));
    } else {
        lista = vb::Trim(QvFunciones::LimpiarTexto(columnas).replace(u'|', u','));
    }
    if (lista.startsWith(u',')) lista.remove(0, 1);
    if (lista.endsWith(u',')) lista.chop(1);
    return lista;
}

// The definition-file path: the engine searches `Tabla` with the statement as its fallback.
void ConsultaConDefiniciones(const QString& Tabla, const ColumnasCatalogo& columnas, QString& CampoCodigo,
                             QString& CampoExtra, const QString& Where)
{
    Lib_ClsCons3& motor = gConsulta();
    QString codigo = columnas.Codigo;
    if (vb::SameText(Tabla, "VT_CLIENTES") || vb::SameText(Tabla, "VT_PROVEEDORES")) codigo = "CODIGO";
    motor.CampoDevuelto = codigo;
    if (!columnas.Extra.isEmpty()) motor.CmpsDevueltos.append(columnas.Extra);
    ArgumentosConsulta argumentos;
    argumentos.CmpsDevueltos = &motor.CmpsDevueltos;
    argumentos.Where = Where;
    argumentos.SentenciaOpcional = "select " + columnas.Descripcion + "," + codigo + " from " + Tabla + " " + Where;
    motor.ConsultaSearch(Tabla, argumentos);
    const bool elegido = !motor.ValorDevuelto.isEmpty();
    CampoCodigo = elegido ? motor.ValorDevuelto : QString();
    CampoExtra = elegido && !motor.Valores.isEmpty() ? motor.Valores.front() : QString();
}

// The statement path, for a program folder without a definition file.
void ConsultaConSentencia(const QString& Tabla, const ColumnasCatalogo& columnas, QString& CampoCodigo,
                          const QString& Where)
{
    Lib_ClsCons3& motor = gConsulta();
    const QString descripcion = vb::IsBlank(columnas.Descripcion) ? QString(" * ") : columnas.Descripcion;
    motor.CampoDevuelto = columnas.Codigo;
    motor.ConsultaSearch("select " + descripcion + "," + columnas.Codigo + " from " + Tabla + " " + Where);
    CampoCodigo = motor.ValorDevuelto;
}

}  // namespace

void ConsultaTabla(QString& Tabla, QString& CampoDescripcion, QString& CampoCodigo, QString& CampoExtra, bool Mostrar,
                   const QString& Where)
{
    ColumnasCatalogo columnas{CampoDescripcion, CampoCodigo, CampoExtra};
    ResolverCatalogo(Tabla, columnas);
    CampoDescripcion = columnas.Descripcion;
    CampoCodigo = columnas.Codigo;
    CampoExtra = columnas.Extra;
    const bool conDefiniciones = ArchivoConsultas(Definiciones()).Existe()
                                 && !ProgramasSinDefiniciones().contains(os::executableName(), Qt::CaseInsensitive);
    if (conDefiniciones)
        ConsultaConDefiniciones(Tabla, columnas, CampoCodigo, CampoExtra, Where);
    else if (Mostrar)
        ConsultaConSentencia(Tabla, columnas, CampoCodigo, Where);
}

void ColumnasConsulta(const QString& Tabla, QString& Columnas, QString& PrimeraColumna)
{
    PrimeraColumna.clear();
    Columnas.clear();
    bool deArticulos = false;
    if (const std::optional<RegistroConsulta> registro = RegistroDe(Tabla, deArticulos)) {
        Columnas = ListaDe(deArticulos ? QString(kStock) : Tabla, registro->Columnas);
        // A single column is its own first column.
        PrimeraColumna = Columnas.section(u',', 0, 0);
        if (deArticulos) Columnas += gSesion().gMostrarStockenConsultas ? ",Deposito,Stock,PuntoPedido" : ",Deposito";
    }
    if (vb::IsBlank(Columnas)) Columnas = "*";
}

void CrearConsultaDefecto(const QString& Tabla)
{
    for (const DefectoTropa& tropa : kTropas) {
        if (!vb::SameText(Tabla, tropa.registro.tabla)) continue;
        TrapErrores silencio = TrapErrores::silencioso();
        if (!silencio.paso([&] {
                ArchivoConsultas(os::joinPath(os::programFolder(), "CONSULTAS.VTX"))
                    .Agregar({RegistroConsulta{tropa.registro.titulo, Tabla, tropa.registro.columnas, {}}});
            }))
            return;
        GrabarAnchosConsulta(Tabla, tropa.anchos);
    }
}

void CrearArchivoConsultas()
{
    QVector<RegistroConsulta> registros;
    for (const Defecto& defecto : kDefectos)
        registros.append({vb::Trim(defecto.titulo), defecto.tabla, vb::Trim(defecto.columnas), {}});
    ArchivoConsultas(gConsulta().gRutaMascaraConsultas).Agregar(registros);
}

bool ExisteArchivo(const QString& Ruta)
{
    QFile archivo(QString(Ruta).remove(u'"'));
    return archivo.open(QIODevice::ReadOnly);
}

QStringList& ProgramasSinDefiniciones()
{
    static QStringList programas;
    return programas;
}
