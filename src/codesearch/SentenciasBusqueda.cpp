#include "codesearch/SentenciasBusqueda.h"

#include "codesearch/ReglasBusqueda.h"
#include "codesearch/TextosBusqueda.h"
#include "database/TextoSQL.h"
#include "platform/VbText.h"

namespace SentenciasBusqueda {

namespace {

constexpr int kAnchoLista = 4;
constexpr int kAnchoCampoConfiguracion = 50;

QString top() { return "select top " + QString::number(kFilasBuscadas) + " "; }

// "like '%<pattern>%'" with the pattern quoted.
QString contiene(const QString& buscar) { return " like '%" + ComillasDobladas(Patron(buscar)) + "%'"; }

bool buscaArticulos(const ConfiguracionBusqueda& config)
{
    return ReglasBusqueda::EsTablaArticulos(config.tabla) || vb::SameText(config.tabla, "VT_MA_ARTICULOS");
}

QString articulosDeLaLista(const ConfiguracionBusqueda& config, const QString& buscar, const QString& idLista)
{
    return top()
           + "DESCRIPCION, v_ma_articulos.IDarticulo from v_ma_articulos inner join v_ma_precios on "
             "v_ma_articulos.idarticulo = v_ma_precios.idarticulo and idlista = "
           + EntreComillas(TextosBusqueda::FmtLeerCodigo(idLista, kAnchoLista))
           + "   where (v_ma_articulos.idarticulo" + contiene(buscar) + " or Descripcion" + contiene(buscar) + ")  "
           + config.condicionExtra + " order by DESCRIPCION ";
}

QString modelos(const QString& buscar)
{
    return top() + "NOMBRE from MA_MODELOS where NOMBRE" + contiene(buscar) + "  GROUP BY NOMBRE ";
}

}  // namespace

QString Patron(const QString& buscar) { return QString(buscar).replace(u' ', u'%'); }

QString Busqueda(const ConfiguracionBusqueda& config, const QString& buscar, const QString& idLista)
{
    if (!vb::IsBlank(idLista) && buscaArticulos(config)) return articulosDeLaLista(config, buscar, idLista);
    if (vb::SameText(config.tabla, "MA_MODELOS")) return modelos(buscar);
    const QString& descripcion = config.campoDescripcion;
    const QString& codigo = config.campoCodigo;
    return top() + descripcion + "," + codigo + " from " + config.tabla + " where (" + descripcion + contiene(buscar)
           + " or " + codigo + contiene(buscar) + " )  " + config.condicionExtra + " order by " + descripcion;
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
