#include "lookups/Lib_ClsCons3.h"

#include "database/DB_Dll.h"
#include "lookups/ArchivoConsultas.h"
#include "lookups/Lib_FrmCons3.h"
#include "lookups/Lib_FrmCons3Tree.h"
#include "lookups/ModConsultas.h"
#include "lookups/TextoConsulta.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/db/Recordset.h"
#include "platform/os/AnsiFile.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Twips.h"
#include "session/BasesDeDatos.h"
#include "session/Configuracion.h"
#include "suitesupport/QvFunciones.h"

#include <QGuiApplication>
#include <QScreen>

#include <array>
#include <memory>

namespace {

constexpr int kTwipsPorLetra = 120;  // width of the option pickers per character

// Tables whose default columns are fixed: the list and the search column.
struct ColumnasFijas {
    const char* tabla;
    const char* columnas;
    const char* busqueda;
};
constexpr std::array kColumnasFijas{
    ColumnasFijas{"V_TA_Unidad", "Descripcion,IdUnidad,", "IdUnidad"},
    ColumnasFijas{"V_TA_DEPOSITO", "Descripcion,Unidad,IdDeposito,", "IdDeposito"},
    ColumnasFijas{"V_TA_STATUS", "Descripcion,Tipo,CodigoEstado,", "CodigoEstado"},
};

// Columns a table's own column list leaves out, except in the tables that search on them.
const QStringList kColumnasOmitidas{"ID", "FECHAHORA_MODIFICACION", "FECHAHORA_GRABACION"};
const QStringList kTablasConId{"v_mv_mutuales", "V_MV_TROPA_STOCK"};
const QStringList kColumnasDescriptivas{"DESCRIPCION", "NOMBRE", "DETALLE"};

// The stock colour of a setting: its text, or 0 when blank.
Variant NivelDeStock(const QString& clave)
{
    const QString valor = vb::Trim(Cfg(clave, "DATOS"));
    return valor.isEmpty() ? Variant(0) : Variant(valor);
}

// A definition record's list with "|" between the columns as a SELECT list.
QString ListaDeColumnas(const QString& columnas)
{
    QString lista = vb::Trim(QvFunciones::Reemplazar(QvFunciones::LimpiarTexto(columnas), "|", ","));
    if (lista.startsWith(u',')) lista.remove(0, 1);
    if (lista.endsWith(u',')) lista.chop(1);
    return lista.isEmpty() ? QString("*") : lista;
}

std::unique_ptr<Lib_ClsCons3>& Instancia()
{
    static std::unique_ptr<Lib_ClsCons3> motor;
    return motor;
}

}  // namespace

Lib_ClsCons3::Lib_ClsCons3(DB_Dll& base) : base_(base)
{
    TrapErrores silencio = TrapErrores::silencioso();
    const std::array niveles{&StkNivel1, &StkNivel2, &StkNivel3, &StkNivel4};
    for (std::size_t i = 0; i < niveles.size(); ++i)
        (void)silencio.paso([&] { *niveles[i] = NivelDeStock(QString("Stk_Nivel%1").arg(i + 1)); });
    (void)silencio.paso([this] { MuestraStock = vb::Trim(Cfg("MostrarStockenConsultas", "DATOS")); });
    (void)silencio.paso([this] { CfgUsaConsultaLIKE = vb::SameText(Cfg("UsaConsultaLike", "DATOS"), "SI"); });
}

void Lib_ClsCons3::ConsultaSearch(const QString& sql, ArgumentosConsulta&& argumentos)
{
    ConsultaSearch(sql, argumentos);
}

void Lib_ClsCons3::ConsultaSearch(const QString& sql, ArgumentosConsulta& argumentos)
{
    // A search that shows nothing chose nothing: an earlier choice is not handed out again.
    ValorDevuelto.clear();
    Valores.clear();
    TrapErrores silencio = TrapErrores::silencioso();
    QString sentencia;
    (void)silencio.paso([&] { sentencia = Sentencia(sql, argumentos); });
    if (!sentencia.isEmpty()) {
        (void)silencio.paso([&] {
            if (argumentos.TreeView)
                MostrarArbol(sentencia);
            else
                MostrarLista(sentencia, argumentos);
        });
    }
    CampoDevuelto.clear();
    if (argumentos.CmpsDevueltos) argumentos.CmpsDevueltos->clear();
}

QString Lib_ClsCons3::Sentencia(const QString& sql, ArgumentosConsulta& argumentos) const
{
    const QString where = vb::Trim(argumentos.Where);
    if (where.size() > 1 && !where.startsWith(u'(')) argumentos.Where = " (" + argumentos.Where + ") ";
    if (!vb::ContainsText(sql, "SELECT")) {
        if (!gUsarMascarasConsultas) return SentenciaPorDefecto(sql, argumentos);
        const ArchivoConsultas archivo(gRutaMascaraConsultas);
        if (!archivo.Existe()) return SentenciaPorDefecto(sql, argumentos);
        const std::optional<RegistroConsulta> registro = archivo.Buscar(sql);
        return registro ? SentenciaDeDefinicion(*registro, argumentos) : SentenciaPorDefecto(sql, argumentos);
    }
    QString sentencia = QvFunciones::Reemplazar(sql, "V_MA_ARTICULOS", "VT_MA_ARTICULOS");
    if (vb::IsBlank(argumentos.Where)) return sentencia;
    if (vb::ContainsText(argumentos.Where, "WHERE")) return sentencia + argumentos.Where;
    const SentenciaPartida partes = PartirSentencia(sentencia);
    return AgregarCondicion(partes.cabeza, argumentos.Where, " WHERE ") + " " + partes.resto;
}

QString Lib_ClsCons3::SentenciaDeDefinicion(const RegistroConsulta& registro, ArgumentosConsulta& argumentos) const
{
    QString tabla = vb::Trim(registro.Tabla);
    const QString columnas = ListaDeColumnas(registro.Columnas);
    if (vb::IsBlank(argumentos.CampoBusqueda)) {
        if (!columnas.contains(u',')) {
            MsgBox("Debe configurar la consulta para esta tabla", vb::vbInformation, "Aviso al operador");
            return {};
        }
        argumentos.CampoBusqueda = columnas.left(columnas.indexOf(u','));
    }
    QString condicion = vb::Trim(QvFunciones::LimpiarTexto(registro.Condicion));
    if (condicion.isEmpty() && !vb::IsBlank(argumentos.Where)) condicion = argumentos.Where;
    if (vb::SameText(tabla, "VT_PROVEEDORES") || vb::SameText(tabla, "VT_CLIENTES")) {
        if (vb::IsBlank(condicion)) condicion = "Dada_De_Baja = 0";
    } else if (vb::SameText(tabla, "V_MA_ARTICULOS")) {
        tabla = "VT_MA_ARTICULOS";
        if (vb::IsBlank(condicion)) condicion = "SUSPENDIDO = 0";
    }
    return "SELECT TOP " + QString::number(TopeConsultas()) + " " + columnas + " FROM " + tabla + "  with(nolock) "
           + (vb::IsBlank(condicion) ? QString() : " WHERE " + condicion) + " ORDER BY " + argumentos.CampoBusqueda;
}

QString Lib_ClsCons3::SentenciaPorDefecto(const QString& tabla, ArgumentosConsulta& argumentos) const
{
    if (!vb::IsBlank(argumentos.SentenciaOpcional)) return argumentos.SentenciaOpcional;
    QString lista = ColumnasPorDefecto(tabla, argumentos.CampoBusqueda);
    lista = vb::IsBlank(lista) ? QString(" * ") : lista.chopped(1);
    return "SELECT TOP " + QString::number(TopeConsultas()) + " " + lista + " FROM " + tabla
           + (vb::IsBlank(argumentos.Where) ? QString() : " WHERE  " + argumentos.Where)
           + (vb::IsBlank(argumentos.CampoBusqueda) ? QString() : " ORDER BY " + argumentos.CampoBusqueda);
}

// The table's columns, each followed by ",", in the reverse of their order:
// a describing column, or else the first one, is the one searched on.
QString Lib_ClsCons3::ColumnasPorDefecto(const QString& tabla, QString& campoBusqueda) const
{
    for (const ColumnasFijas& fijas : kColumnasFijas) {
        if (!vb::SameText(tabla, fijas.tabla)) continue;
        campoBusqueda = fijas.busqueda;
        return fijas.columnas;
    }
    db::Recordset fila;
    base_.AbrirRecordset("select top 1 * from " + tabla, fila);
    QString lista;
    for (int i = 0; fila.State() == db::ado::adStateOpen && i < fila.FieldCount(); ++i) {
        const QString nombre = fila.Fields(i).Name();
        if (kColumnasOmitidas.contains(nombre, Qt::CaseInsensitive)) {
            if (!kTablasConId.contains(tabla, Qt::CaseInsensitive)) continue;
            campoBusqueda = nombre;
        } else if (kColumnasDescriptivas.contains(nombre, Qt::CaseInsensitive) || lista.isEmpty()) {
            campoBusqueda = nombre;
        }
        lista = nombre + "," + lista;
    }
    base_.CierraRecordset(fila);
    return lista;
}

void Lib_ClsCons3::MostrarLista(const QString& sentencia, const ArgumentosConsulta& argumentos)
{
    Lib_FrmCons3 ventana(base_);
    ventana.StkNivel1 = StkNivel1;
    ventana.StkNivel2 = StkNivel2;
    ventana.StkNivel3 = StkNivel3;
    ventana.StkNivel4 = StkNivel4;
    ventana.MuestraStock = MuestraStock;
    ventana.CfgUsaConsultaLIKE = CfgUsaConsultaLIKE;
    ventana.OrdenarPorLwv = !vb::ContainsText(sentencia, "ORDER BY");
    ventana.FiltroInicial = argumentos.Clave;
    ventana.CampoBusqueda = argumentos.CampoBusqueda;
    if (gConnString.isEmpty()) gConnString = base_.gConnString;
    ventana.sql = sentencia;
    ventana.CampoDevuelto = CampoDevuelto;
    ventana.CheckBoxes = Checks;
    ventana.UsaCantidades = UsaCantidades;
    ventana.ValoresDefault = argumentos.ValoresDefault;
    if (argumentos.CmpsDevueltos) ventana.CmpsDevueltos = *argumentos.CmpsDevueltos;
    Valores.clear();
    Cantidades.clear();
    ventana.Form_Load();
    Service<Dialogs>::get().showModal(ventana);
    Checks = false;
    Valores = ventana.Valores;
    Cantidades = ventana.Cantidades;
    ValorDevuelto = ventana.ValorDevuelto;
}

void Lib_ClsCons3::MostrarArbol(const QString& sentencia)
{
    Lib_FrmCons3Tree ventana(base_);
    ventana.sql = sentencia;
    ventana.CampoDevuelto = CampoDevuelto;
    ventana.CheckBoxes = Checks;
    Valores.clear();
    ventana.Form_Load();
    Service<Dialogs>::get().showModal(ventana);
    ValorDevuelto = ventana.ValorDevuelto;
    Valores = ventana.Valores;
    Checks = false;
}

void Lib_ClsCons3::MostrarOpciones(Lib_FrmCons3& ventana, const QString& titulo, const QStringList& filas)
{
    qsizetype letras = titulo.size();
    for (const QString& fila : filas) letras = std::max(letras, fila.size());
    int ancho = static_cast<int>(letras) * kTwipsPorLetra;
    const QScreen* pantalla = QGuiApplication::primaryScreen();
    const int pantallaTwips =
        pantalla ? static_cast<int>(vb::TwipsFromPixels(pantalla->availableGeometry().width())) : 0;
    if (pantallaTwips > 0 && ancho >= pantallaTwips) ancho = pantallaTwips;
    ventana.FijarAnchoOpciones(ancho);
    Service<Dialogs>::get().showModal(ventana);
}

qint32 Lib_ClsCons3::CheckOpciones(const QString& Titulo, const QStringList& Opc)
{
    Lib_FrmCons3 ventana(base_);
    ventana.PrepararOpciones(Titulo, true);
    QStringList filas;
    for (const QString& opcion : Opc) {
        filas.append(opcion.mid(1));
        ventana.AgregarOpcion(filas.last(), opcion.startsWith(u'1'));
    }
    MostrarOpciones(ventana, Titulo, filas);
    Valores = ventana.Valores;
    return 0;
}

QString Lib_ClsCons3::MenuOpciones(const QString& Titulo, const QStringList& Opc)
{
    Lib_FrmCons3 ventana(base_);
    ventana.PrepararOpciones(Titulo, false);
    for (const QString& opcion : Opc) ventana.AgregarOpcion(opcion, false);
    MostrarOpciones(ventana, Titulo, Opc);
    return ventana.ValorDevuelto;
}

QString Lib_ClsCons3::ConsultaDesdeArchivo(const QString& Titulo, const QString& QueArchivo)
{
    if (!ExisteArchivo(QueArchivo)) {
        MsgBox("No existe el archivo " + QueArchivo + " que desea consultar consulta ", vb::vbOKOnly);
        return {};
    }
    return MenuOpciones(Titulo, os::readAnsiLines(QString(QueArchivo).remove(u'"')).value_or(QStringList{}));
}

Lib_ClsCons3& gConsulta()
{
    std::unique_ptr<Lib_ClsCons3>& motor = Instancia();
    if (!motor) motor = std::make_unique<Lib_ClsCons3>(gBaseDatos());
    return *motor;
}

void DescartarConsulta() { Instancia().reset(); }
