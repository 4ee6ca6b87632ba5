#include "database/ArmadoSentencias.h"

#include "database/TextoSQL.h"
#include "platform/VbText.h"

namespace {

constexpr char kSeparador[] = ",";

QString unidos(const ListaCampos& CamposSQL, QString (*parte)(const ParCampoValor&))
{
    QStringList partes;
    partes.reserve(CamposSQL.size());
    for (const ParCampoValor& par : CamposSQL) partes << parte(par);
    return partes.join(kSeparador);
}

QString columnasYValores(const ListaCampos& CamposSQL)
{
    return "(" + unidos(CamposSQL, [](const ParCampoValor& par) { return par.Campo; }) + ")" + " VALUES ("
           + unidos(CamposSQL, [](const ParCampoValor& par) { return par.Valor; }) + ")";
}

QString asignaciones(const ListaCampos& CamposSQL)
{
    return unidos(CamposSQL, [](const ParCampoValor& par) { return par.Campo + " = " + par.Valor; });
}

QString sentenciaUpdate(const ListaCampos& CamposSQL, const QString& Tabla, QString& Where)
{
    if (!vb::ContainsText(Where, "WHERE")) Where = " WHERE " + Where;
    return "UPDATE " + Tabla + " SET " + asignaciones(CamposSQL) + " " + Where;
}

QString sentenciaInsert(const ListaCampos& CamposSQL, const QString& Tabla)
{
    return "INSERT INTO " + Tabla + " " + columnasYValores(CamposSQL);
}

void agregarSentencia(QStringList& SentenciasSQL, const QString& sentencia)
{
    if (!SentenciasSQL.isEmpty() && SentenciasSQL.last().isEmpty()) SentenciasSQL.removeLast();
    SentenciasSQL << sentencia << QString();
}

QString valorFormateado(const QString& Valor, const QString& Tipo)
{
    if (Valor.toUpper() == "NULL") return "Null";
    return SQLValue(Valor, Tipo).toText();
}

}  // namespace

void AgregarCampoSQL(ListaCampos& CamposSQL, const QString& Campo, QString& Valor, const QString& Tipo, bool Primero)
{
    Valor = vb::Replace(Valor, "'", "");
    const ParCampoValor par{Campo, valorFormateado(Valor, Tipo)};
    if (Primero) CamposSQL.clear();
    CamposSQL << par;
}

void ArmarSentenciaSQL(ListaCampos& CamposSQL, QStringList& SentenciasSQL, const QString& Tabla, bool EsUpdate,
                       QString& Where, bool Mantener)
{
    agregarSentencia(SentenciasSQL,
                     EsUpdate ? sentenciaUpdate(CamposSQL, Tabla, Where) : sentenciaInsert(CamposSQL, Tabla));
    if (!Mantener) CamposSQL = ListaCampos(1);
}

void ArmarValoresInsert(QString& texto, ListaCampos& CamposSQL, bool Borrar)
{
    texto += columnasYValores(CamposSQL);
    if (Borrar) CamposSQL.clear();
}
