#include "equivalences/EscrituraGenerica.h"

#include "database/DB_Dll.h"
#include "database/TextoSQL.h"
#include "equivalences/CodigosEquivalencia.h"
#include "platform/VbText.h"
#include "session/ModGlobal.h"

#include <algorithm>

namespace {

// The new rows are added to a record set reopened empty after this many, so
// that it never holds a whole large save in memory.
constexpr int kFilasPorRecordset = 1000;
const QString kSinFilas = "SELECT * FROM S_TA_EQUIV WHERE 1 = 0";

}  // namespace

EscrituraGenerica::EscrituraGenerica(DB_Dll& base, QString unidad, QString equivalente, QString coeficiente)
    : base_(base),
      unidad_(std::move(unidad)),
      equivalente_(std::move(equivalente)),
      coeficiente_(std::move(coeficiente))
{
    db::Recordset existentes;
    base_.AbrirRecordset("SELECT IDARTICULO FROM S_TA_EQUIV WHERE " + condicionDelPar(unidad_, equivalente_),
                         existentes, nullptr, db::ado::adOpenForwardOnly, db::ado::adLockReadOnly);
    for (; !existentes.Eof(); existentes.MoveNext()) conFila_.insert(clave(existentes.Fields(0).Value().textOrEmpty()));
}

void EscrituraGenerica::Grabar(const QString& articulo)
{
    const QString suClave = clave(articulo);
    if (conFila_.contains(suClave)) {
        cambiarFila(articulo);
        return;
    }
    agregarFila(articulo);
    conFila_.insert(suClave);
}

void EscrituraGenerica::cambiarFila(const QString& articulo)
{
    db::Recordset fila;
    base_.AbrirRecordset("SELECT * FROM S_TA_EQUIV WHERE IDARTICULO = " + EntreComillas(articulo) + " AND "
                             + condicionDelPar(unidad_, equivalente_),
                         fila, nullptr, db::ado::adOpenDynamic, db::ado::adLockOptimistic);
    if (fila.Bof()) fila.AddNew();  // deleted by someone else since
    asignar(fila, articulo);
}

void EscrituraGenerica::agregarFila(const QString& articulo)
{
    if (agregadas_++ % kFilasPorRecordset == 0)
        base_.AbrirRecordset(kSinFilas, nuevas_, nullptr, db::ado::adOpenDynamic, db::ado::adLockOptimistic);
    nuevas_.AddNew();
    try {
        asignar(nuevas_, articulo);
    } catch (...) {
        nuevas_.CancelUpdate();  // so that a retry starts a clean row
        throw;
    }
}

void EscrituraGenerica::asignar(db::Recordset& fila, const QString& articulo)
{
    fila.Fields("IdArticulo").setValue(articulo);
    fila.Fields("IdUnidad").setValue(unidad_);
    fila.Fields("IdUnidad_Equiv").setValue(equivalente_);
    if (coeficienteLeido_) {
        fila.Fields("Coeficiente").setValue(*coeficienteLeido_);
    } else {
        AsignarCampo(fila, "Coeficiente", coeficiente_);
        coeficienteLeido_ = fila.Fields("Coeficiente").Value();
    }
    fila.Fields("Paratodos").setValue(1);
    fila.Update();
}

// Codes match as the database matches them: trailing blanks and letter case do
// not count. Most are ASCII, folded here without Unicode's tables.
QString EscrituraGenerica::clave(const QString& articulo)
{
    QString sinBlancos = vb::RTrim(articulo);
    if (std::ranges::any_of(sinBlancos, [](QChar c) { return c.unicode() >= 0x80; })) return sinBlancos.toCaseFolded();
    const auto mayuscula = [](QChar c) { return c >= u'A' && c <= u'Z'; };
    if (std::ranges::none_of(std::as_const(sinBlancos), mayuscula)) return sinBlancos;
    for (QChar& c : sinBlancos) {
        if (mayuscula(c)) c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return sinBlancos;
}
