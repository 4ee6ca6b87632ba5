#include "equivalences/InformeVerificacion.h"

#include "equivalences/VerificacionEquivalencias.h"

#include <QTextStream>

int ImprimirVerificacion(DB_Dll& base, QTextStream& salida)
{
    const QVector<Hallazgo> hallazgos = VerificacionEquivalencias(base).Verificar();
    if (hallazgos.isEmpty()) {
        salida << "Las equivalencias son consistentes.\n";
        return 0;
    }
    salida << "Artículo\tUnidades\tCoeficientes\tProblema\n";
    for (const Hallazgo& h : hallazgos)
        salida << h.articulo << '\t' << h.unidades << '\t' << h.coeficientes << '\t' << h.problema << '\n';
    salida << hallazgos.size() << (hallazgos.size() == 1 ? " hallazgo.\n" : " hallazgos.\n");
    return 1;
}
