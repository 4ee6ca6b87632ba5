#include "equivalences/PreviaGenerica.h"

#include "database/DB_Dll.h"
#include "equivalences/CodigosEquivalencia.h"
#include "equivalences/NumeroEscrito.h"
#include "equivalences/SolicitudesEquivalencias.h"

namespace {

QString enArticulos(long n) { return cantidad(n, "artículo", "artículos"); }

}  // namespace

PreviaGenerica PreviaGenerica::Calcular(DB_Dll& base, const QString& unidad, const QString& equivalente)
{
    const QString deLasUnidades = " FROM V_MA_ARTICULOS WHERE " + articulosDelPar(unidad, equivalente);
    PreviaGenerica previa;
    previa.articulos = base.gCnn.Execute("SELECT COUNT(*)" + deLasUnidades).Fields(0).Value().toLong();

    db::Recordset anteriores;
    base.AbrirRecordset("SELECT E.COEFICIENTE, COUNT(*) FROM S_TA_EQUIV E WHERE " + condicionDelPar(unidad, equivalente)
                            + " AND E.IDARTICULO IN (SELECT IDARTICULO" + deLasUnidades
                            + ") GROUP BY E.COEFICIENTE ORDER BY COUNT(*) DESC, E.COEFICIENTE",
                        anteriores, nullptr, db::ado::adOpenForwardOnly, db::ado::adLockReadOnly);
    for (; anteriores.State() == db::ado::adStateOpen && !anteriores.Eof(); anteriores.MoveNext()) {
        const Anterior anterior{anteriores.Fields(0).Value().toDouble(), anteriores.Fields(1).Value().toLong()};
        previa.sobrescritas += anterior.filas;
        previa.anteriores.append(anterior);
    }
    return previa;
}

QString PreviaGenerica::Pregunta() const
{
    QString texto = "La equivalencia se grabará en " + enArticulos(articulos) + ".";
    if (sobrescritas > 0) {
        texto += "\n" + enArticulos(sobrescritas) + (sobrescritas == 1 ? " ya la tiene" : " ya la tienen")
                 + " y se sobrescribirá su coeficiente:";
        for (qsizetype i = 0; i < anteriores.size() && i < kAnterioresMostrados; ++i)
            texto += "\n    " + numeroEscrito(anteriores[i].coeficiente) + " en " + enArticulos(anteriores[i].filas);
        if (anteriores.size() > kAnterioresMostrados)
            texto += QStringLiteral("\n    y %1 valores más").arg(anteriores.size() - kAnterioresMostrados);
    }
    return texto + SolicitudesEquivalencias::DondeSeReplica(destinos) + "\n\n¿Desea continuar?";
}
