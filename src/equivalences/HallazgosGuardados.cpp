#include "equivalences/HallazgosGuardados.h"

#include "database/DB_Dll.h"
#include "database/TextoSQL.h"

void GuardarHallazgos(DB_Dll& base, const QVector<Hallazgo>& hallazgos)
{
    base.EjecutaConsultaSQL("DELETE FROM VERIFICACION_EQUIVALENCIAS");
    for (qsizetype i = 0; i < hallazgos.size(); ++i) {
        const Hallazgo& h = hallazgos[i];
        base.EjecutaConsultaSQL(
            "INSERT INTO VERIFICACION_EQUIVALENCIAS (ID, ARTICULO, UNIDADES, COEFICIENTES, PROBLEMA) VALUES ("
            + QString::number(i + 1) + ", " + EntreComillas(h.articulo) + ", " + EntreComillas(h.unidades) + ", "
            + EntreComillas(h.coeficientes) + ", " + EntreComillas(h.problema) + ")");
    }
}
