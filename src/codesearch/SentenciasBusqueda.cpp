#include "codesearch/SentenciasBusqueda.h"

#include "codesearch/ReglasBusqueda.h"
#include "codesearch/TextosBusqueda.h"
#include "database/TextoSQL.h"
#include "platform/VbText.h"

namespace SentenciasBusqueda {

namespace {

constexpr int kAnchoLista = 4;
constexpr int kAnchoCampoConfiguracion = 50;

QString top(int filas = kFilasBuscadas) { return "select top " + QString::number(filas) + " "; }

// "like '%<pattern>%'" with the pattern quoted.
QString contiene(const QString& buscar) { return " like '%" + ComillasDobladas(Patron(buscar)) + "%'"; }

bool buscaArticulos(const ConfiguracionBusqueda& config)
{
    return ReglasBusqueda::EsTablaArticulos(config.tabla) || vb::SameText(config.tabla, "VT_MA_ARTICULOS");
}

bool porLista(const ConfiguracionBusqueda& config, const QString& idLista)
{
    return !vb::IsBlank(idLista) && buscaArticulos(config);
}

bool porModelo(const ConfiguracionBusqueda& config) { return vb::SameText(config.tabla, "MA_MODELOS"); }

QString articulosDeLaLista(const ConfiguracionBusqueda& config, const QString& buscar, const QString& idLista)
{
    return top()
           + "DESCRIPCION, v_ma_articulos.IDarticulo from v_ma_articulos inner join v_ma_precios on "
             "v_ma_articulos.idarticulo = v_ma_precios.idarticulo and idlista = "
           + EntreComillas(TextosBusqueda::FmtLeerCodigo(idLista, kAnchoLista))
           + "   where (v_ma_articulos.idarticulo" + contiene(buscar) + " or Descripcion" + contiene(buscar) + ")  "
           + config.condicionExtra + " order by DESCRIPCION ";
}

// The search of every other table, narrowed by `acotacion` (" and ..." or empty).
QString generica(const ConfiguracionBusqueda& config, const QString& buscar, const QString& acotacion, int filas,
                 const QString& orden)
{
    const QString& descripcion = config.campoDescripcion;
    const QString& codigo = config.campoCodigo;
    return top(filas) + descripcion + "," + codigo + " from " + config.tabla + " where (" + descripcion
           + contiene(buscar) + " or " + codigo + contiene(buscar) + " )  " + config.condicionExtra + acotacion
           + " order by " + orden;
}

QString modelos(const QString& buscar)
{
    return top() + "NOMBRE from MA_MODELOS where NOMBRE" + contiene(buscar) + "  GROUP BY NOMBRE ";
}

}  // namespace

QString Patron(const QString& buscar) { return QString(buscar).replace(u' ', u'%'); }

bool Acotable(const ConfiguracionBusqueda& config, const QString& idLista)
{
    return !porLista(config, idLista) && !porModelo(config);
}

QString Busqueda(const ConfiguracionBusqueda& config, const QString& buscar, const QString& idLista)
{
    if (porLista(config, idLista)) return articulosDeLaLista(config, buscar, idLista);
    if (porModelo(config)) return modelos(buscar);
    return generica(config, buscar, {}, kFilasBuscadas, config.campoDescripcion);
}

QString BusquedaEntreCodigos(const ConfiguracionBusqueda& config, const QString& buscar, const QStringList& codigos,
                             const std::optional<QString>& antesDe)
{
    QStringList literales;
    literales.reserve(codigos.size());
    for (const QString& codigo : codigos) literales << EntreComillas(codigo);
    QString acotacion = " and " + config.campoCodigo + " in (" + literales.join(", ") + ")";
    if (antesDe) acotacion += " and " + config.campoDescripcion + " < " + EntreComillas(*antesDe);
    return generica(config, buscar, acotacion, kFilasBuscadas, config.campoDescripcion + ", " + config.campoCodigo);
}

QString BusquedaDesde(const ConfiguracionBusqueda& config, const QString& buscar, const QString& desde, int filas)
{
    return generica(config, buscar, " and " + config.campoDescripcion + " >= " + EntreComillas(desde), filas,
                    config.campoDescripcion);
}

QString BusquedaSinDescripcion(const ConfiguracionBusqueda& config, const QString& buscar, int filas)
{
    return generica(config, buscar, " and " + config.campoDescripcion + " is null", filas, config.campoDescripcion);
}

QString TablaTelefonos(const QString& cuenta)
{
    const QString digitosSinLetras =
        "TELEFONO IS NOT NULL AND TELEFONO NOT LIKE '%[a-zA-Z]%' AND "
        "(LEN(TELEFONO) - LEN(REPLACE(REPLACE(REPLACE(REPLACE(REPLACE(REPLACE(REPLACE(REPLACE(REPLACE(REPLACE("
        "TELEFONO,'0',''),'1',''),'2',''),'3',''),'4',''),'5',''),'6',''),'7',''),'8',''),'9',''))) >= 6";
    return "(SELECT CODIGO, (TELEFONO + ISNULL(' - ' + NULLIF(LTRIM(RTRIM(RAZON_SOCIAL)), ''), '')) AS TELEFONO "
           "FROM VT_CLIENTES WHERE "
           + digitosSinLetras
           + " UNION SELECT DISTINCT IDCOMPROBANTE AS CODIGO, (TELEFONO + ISNULL(' - ' + "
             "NULLIF(LTRIM(RTRIM(NOMBRE)), ''), '')) AS TELEFONO FROM V_MV_CPTE WHERE CUENTA = "
           + EntreComillas(vb::Trim(cuenta)) + " AND " + digitosSinLetras + ") AS X";
}

QString VendedorDelUsuario(const QString& usuario)
{
    return "SELECT * FROM ta_USUARIOS where LTRIM(RTRIM(NOMBRE)) = " + EntreComillas(usuario);
}

QString TareaDelUsuario(const QString& tarea, const QString& usuario)
{
    return "SELECT tarea FROM ta_tareas where tarea = " + EntreComillas(tarea)
           + " and usuario = " + EntreComillas(usuario);
}

QString Configuracion(const QString& campo)
{
    return "EXEC sp1_getCfg @Campo = " + EntreComillas(campo.left(kAnchoCampoConfiguracion));
}

}  // namespace SentenciasBusqueda
