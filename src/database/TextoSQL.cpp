#include "database/TextoSQL.h"

#include "platform/ErrorVB.h"
#include "platform/VbText.h"
#include "platform/os/System.h"
#include "suitesupport/QvFunciones.h"

#include <QStringList>

#include <algorithm>
#include <initializer_list>
#include <optional>

namespace {

constexpr char kComilla[] = "'";
constexpr char kMarcaNumero[] = "@";
constexpr char kMarcaAdmin[] = "@Admin_";
constexpr char kFormatoFechaOracle[] = "'DD/MM/YYYY'";
constexpr char kRownum[] = " ROWNUM <= ";
constexpr char kTop[] = "top";

// ---- values ----------------------------------------------------------------

// The text TextoAMoneda reads. Numbers go in plain decimal notation: the
// exponent form of a very small or large number is no amount it accepts.
QString textoDelImporte(const Variant& valor)
{
    if (valor.isNull()) return "0";
    if (valor.isNumber()) return QString::number(valor.toDouble(), 'f', 4);
    return valor.toText();
}

// NumberText writes "." as decimal separator whatever the locale.
QString importeSQL(const Variant& valor) { return vb::NumberText(QvFunciones::TextoAMoneda(textoDelImporte(valor))); }

// A quote inside the value is doubled: left alone it would end the literal
// and let the rest of the value run as SQL.
// ---- ADO type groups -------------------------------------------------------

bool codigoEnGrupo(const Variant& Qtype, std::initializer_list<int> grupo)
{
    const QString codigo = Qtype.textOrEmpty();
    for (int tipo : grupo) {
        if (codigo == QString::number(tipo)) return true;
    }
    return false;
}

// ---- Oracle translation ----------------------------------------------------

QString largoOracle(const QString& palabra) { return palabra.toUpper() == "LEN" ? "LENGTH" : palabra; }

bool esPalabraSuelta(const QString& texto) { return QvFunciones::CantidadPalabras(texto) < 2; }

QString topARownum(const QString& valor)
{
    if (!vb::ContainsText(valor, QString(kTop) + " ")) return valor;
    const int top = vb::InStrText(valor, kTop);
    const QString resto = vb::Trim(vb::Mid(valor, top + 3));
    const int blanco = vb::InStr(resto, " ");
    const QString cantidad = blanco ? resto.left(blanco - 1) : resto;
    QString cuerpo = blanco ? vb::Mid(resto, blanco + 1) : QString();

    QString colaGroup;
    QString colaOrder;
    if (const int group = vb::InStrText(valor, " GROUP BY ")) {
        colaGroup = vb::Mid(valor, group);
    } else if (const int order = vb::InStrText(valor, "ORDER BY ")) {
        colaOrder = vb::Mid(valor, order);
    }
    for (const QString& cola : {colaGroup, colaOrder}) {
        if (!cola.isEmpty()) cuerpo = vb::ReplaceText(cuerpo, vb::Trim(cola), " ");
    }
    const QString condicion = QString(vb::ContainsText(valor, " WHERE ") ? " AND" : " WHERE") + kRownum + cantidad;
    return valor.left(top - 1) + " " + cuerpo + " " + condicion + " " + colaGroup + " " + colaOrder;
}

QString lenALength(QString s)
{
    for (int blancos = 0; blancos <= 4; ++blancos) {
        s = vb::ReplaceText(s, " LEN" + QString(blancos, u' ') + "(", " LENGTH(");
    }
    return s;
}

QString corchetesAComillasDobles(const QString& s) { return vb::Replace(vb::Replace(s, "[", "\""), "]", "\""); }

// Digits alone are codes (article codes are often numbers), never dates.
std::optional<QDateTime> fechaDelLiteral(const QString& literal)
{
    if (!literal.contains(u'/') && !literal.contains(u'-')) return std::nullopt;
    return vb::ParseDate(literal);
}

QString fechaOracle(const QDateTime& fecha)
{
    return "TO_DATE('" + fecha.toString("dd/MM/yyyy") + "'," + kFormatoFechaOracle + ")";
}

// Replacing in a copy while scanning the original can wrap a literal that is
// already in the day/month/year form twice; the loop below unwraps it.
QString fechasATO_DATE(const QString& s)
{
    QString resultado = s;
    int abre = vb::InStr(s, kComilla);
    while (abre > 0) {
        const int cierra = vb::InStr(s, kComilla, abre + 1);
        if (cierra == 0) throw ErroresVB::argumentoNoValido("literal sin comilla de cierre");
        const QString literal = vb::Mid(s, abre + 1, cierra - abre - 1);
        if (const auto fecha = fechaDelLiteral(literal)) {
            resultado = vb::ReplaceText(resultado, kComilla + literal + kComilla, fechaOracle(*fecha));
        }
        abre = vb::InStr(s, kComilla, cierra + 1);
    }
    const QString cierreDoble = QString(kFormatoFechaOracle) + ")," + kFormatoFechaOracle + ")";
    while (vb::ContainsText(resultado, "TO_DATE(TO_DATE(")) {
        resultado = vb::ReplaceText(resultado, "TO_DATE(TO_DATE(", "TO_DATE(");
        resultado = vb::ReplaceText(resultado, cierreDoble, QString(kFormatoFechaOracle) + ")");
    }
    return resultado;
}

QString conversionesOracle(QString s)
{
    s = vb::ReplaceText(s, "Charindex", "InStr");
    s = vb::ReplaceText(s, "CONVERT(NVARCHAR,", "TO_CHAR(");
    return vb::ReplaceText(s, "CONVERT(INT,", "TO_NUMBER(");
}

// Oracle stores the empty text as Null; only the conditions are rewritten.
QString vaciosANull(const QString& s)
{
    const int where = vb::InStrText(s, "WHERE ");
    if (where == 0) return s;
    QString condiciones = vb::Mid(s, where);
    condiciones = vb::Replace(condiciones, "= ''", " IS NULL ");
    condiciones = vb::Replace(condiciones, "=''", " IS NULL ");
    return s.left(where - 1) + condiciones;
}

bool dentroDeToChar(const QString& s, int posicion)
{
    const int parentesis = vb::InStrRev(s.left(posicion - 1), "(");
    return parentesis >= 8 && vb::Mid(s, parentesis - 7, 8).toUpper() == "TO_CHAR(";
}

QString estilo103AFormato(QString s)
{
    int posicion = vb::InStr(s, "103");
    while (posicion > 0) {
        if (dentroDeToChar(s, posicion)) s = s.left(posicion - 1) + kFormatoFechaOracle + s.mid(posicion + 2);
        posicion = vb::InStr(s, "103", posicion + 3);
    }
    return s;
}

QString funcionesOracle(QString s)
{
    s = vb::ReplaceText(s, "SUBSTRING(", "SUBSTR(");
    return vb::ReplaceText(s, "ISNULL(", "NVL(");
}

// ---- synonyms --------------------------------------------------------------

// Suite programs that must see the base deposit and family tables.
const QStringList kProgramasSinSinonimoDeposito{};
const QStringList kProgramasSinSinonimoFamilias{};

struct Sinonimo {
    const char* base;
    const char* restringido;
    const QStringList* programasExceptuados;
};

// The account rule comes first and on its own (see sinonimoCuentas).
const Sinonimo kSinonimos[] = {
    {"V_TA_DEPOSITO", "SS_V_TA_DEPOSITO", &kProgramasSinSinonimoDeposito},
    {"MV_ASIENTOS", "SS_MV_ASIENTOS", nullptr},
    {"V_TA_FAMILIAS", "SS_V_TA_FAMILIAS", &kProgramasSinSinonimoFamilias},
    {"V_TA_CAJAS", "SS_V_TA_CAJAS", nullptr},
    {"AC_CUENTASDIARIO", "SS_AC_CUENTASDIARIO", nullptr},
    {"AC_CUENTASDIARIO_CCOSTO", "SS_AC_CUENTAS_DIARIO_CCOSTO", nullptr},
};

constexpr char kCuentas[] = "MA_CUENTAS";
constexpr char kCuentasRestringidas[] = "SS_MA_CUENTAS";

bool programaExceptuado(const QStringList* programas)
{
    return programas && programas->contains(os::executableName(), Qt::CaseInsensitive);
}

// A name is replaced only between these characters, so that longer names
// that contain it, and the marked "@Admin_" names, stay as they are.
QString reemplazarNombre(QString sql, const QString& base, const QString& restringido, bool conLlaveODBC)
{
    static const QStringList antes{" ", "(", " ", "(", ","};
    static const QStringList despues{" ", " ", ".", ".", "."};
    if (!vb::ContainsText(sql, base)) return sql;
    for (qsizetype i = 0; i < antes.size(); ++i) {
        sql = vb::ReplaceText(sql, antes[i] + base + despues[i], antes[i] + restringido + despues[i]);
    }
    if (conLlaveODBC) sql = vb::ReplaceText(sql, "{" + base + ".", "{" + restringido + ".");
    return sql;
}

// A statement that names the marked account table keeps every account
// reference on the base table.
QString sinonimoCuentas(QString sql)
{
    sql = reemplazarNombre(sql, kCuentas, kCuentasRestringidas, true);
    if (!vb::ContainsText(sql, kMarcaAdmin)) return sql;
    sql = vb::ReplaceText(sql, QString(kMarcaAdmin) + kCuentas, kCuentas);
    return vb::ReplaceText(sql, kCuentasRestringidas, kCuentas);
}

QString sinMarcaAdmin(const QString& sql) { return vb::ReplaceText(sql, kMarcaAdmin, ""); }

}  // namespace

// Most texts hold no quote: they come back shared, with nothing copied.
QString ComillasDobladas(const QString& texto)
{
    const QLatin1StringView comilla(kComilla);
    if (!texto.contains(comilla)) return texto;
    return QString(texto).replace(comilla, comilla + comilla);
}

// Built in one piece: it quotes every code of a long save.
QString EntreComillas(const QString& texto)
{
    const QString doblado = ComillasDobladas(texto);
    QString literal;
    literal.reserve(doblado.size() + 2);
    return literal.append(QLatin1StringView(kComilla)).append(doblado).append(QLatin1StringView(kComilla));
}

Variant SQLValue(const Variant& valor, const QString& Tipo)
{
    if (vb::SameText(Tipo, kMarcaNumero)) return importeSQL(valor);
    if (valor.isNull()) return QString("NULL");
    if (vb::SameText(Tipo, kComilla)) return EntreComillas(valor.toText());
    return valor.toText();
}

bool adodate(const Variant& Qtype) { return codigoEnGrupo(Qtype, {7, 133, 134, 135, 137, 64}); }

bool ADOText(const Variant& Qtype) { return codigoEnGrupo(Qtype, {8, 129, 130, 200, 201, 202, 203}); }

bool ADONumeric(const Variant& Qtype) { return codigoEnGrupo(Qtype, {2, 3, 4, 5, 14, 16, 17, 18, 19, 20, 21, 131}); }

bool ADOCurrency(const Variant& Qtype) { return codigoEnGrupo(Qtype, {6}); }

bool ADOBoolean(const Variant& Qtype) { return codigoEnGrupo(Qtype, {11}); }

QString ADOComilla(const Variant& Qtype) { return adodate(Qtype) || ADOText(Qtype) ? kComilla : ""; }

QString stSTF(QString& rsName, bool rnPart)
{
    const int punto = vb::InStr(rsName, ".");
    if (punto == 0) return rsName;
    if (rsName.count(u'.') > 1) return StripOwner(rsName);
    return rnPart ? vb::Mid(rsName, punto + 1) : rsName.left(punto - 1);
}

QString AddBrackets(const QString& rObjName)
{
    if (rObjName.startsWith(u'[') || !rObjName.contains(u' ')) return rObjName;
    return "[" + rObjName + "]";
}

QString StripConnect(const QString& rsTblName)
{
    const int flecha = vb::InStr(rsTblName, "->");
    if (flecha == 0) return rsTblName;
    return rsTblName.left(std::max(0, flecha - 2));
}

QString StripBrackets(const QString& rsObjName)
{
    if (!rsObjName.startsWith(u'[')) return rsObjName;
    return rsObjName.mid(1, std::max<qsizetype>(0, rsObjName.size() - 2));
}

QString StripOwner(QString& rsTblName)
{
    const int punto = vb::InStr(rsTblName, ".");
    if (punto > 0) rsTblName = vb::Mid(rsTblName, punto + 1);
    return rsTblName;
}

QString StripFileName(const QString& rsFileName)
{
    const auto separador = std::max(rsFileName.lastIndexOf(u'\\'), rsFileName.lastIndexOf(u'/'));
    return separador < 0 ? QString() : rsFileName.left(separador);
}

QString ORACLE_Dicc(const QString& valor, bool esOracle)
{
    if (!esOracle) return valor;
    if (esPalabraSuelta(valor)) return largoOracle(valor);
    QString s = topARownum(valor);
    s = lenALength(s);
    s = corchetesAComillasDobles(s);
    s = fechasATO_DATE(s);
    s = conversionesOracle(s);
    s = vaciosANull(s);
    s = estilo103AFormato(s);
    return funcionesOracle(s);
}

QString TopOracle(const QString& texto, bool esOracle)
{
    if (!esOracle) return texto;
    if (esPalabraSuelta(texto)) return largoOracle(texto);
    if (!vb::ContainsText(texto, QString(kTop) + " ")) return texto;
    const int top = vb::InStrText(texto, kTop);
    const int asterisco = vb::InStr(texto, "*", top + 3);
    if (asterisco == 0) return texto;
    const QString cantidad = vb::Mid(texto, top + 3, asterisco - top - 3);
    return texto.left(top - 1) + " * " + vb::Mid(texto, asterisco + 1) + " WHERE" + kRownum + cantidad;
}

QString SS_TSinonimos(const QString& sql, bool esAdmin, bool confidencialidad)
{
    if (esAdmin) return sinMarcaAdmin(sql);
    if (vb::ContainsText(sql, "MV_ASIENTOS") && !confidencialidad) return sinMarcaAdmin(sql);
    QString resultado = sinonimoCuentas(sql);
    for (const Sinonimo& sinonimo : kSinonimos) {
        if (programaExceptuado(sinonimo.programasExceptuados)) continue;
        resultado = reemplazarNombre(resultado, sinonimo.base, sinonimo.restringido, false);
    }
    return sinMarcaAdmin(resultado);
}
