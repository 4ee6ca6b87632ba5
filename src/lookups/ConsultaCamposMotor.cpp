#include "lookups/ConsultaCamposMotor.h"

#include "lookups/Lib_ClsCons3.h"
#include "lookups/ModConsultas.h"
#include "lookups/SubConsultaLike.h"
#include "platform/VbText.h"
#include "session/Configuracion.h"

namespace {
constexpr char kArticulos[] = "V_MA_ARTICULOS";
}

QString ConsultaCamposMotor::Consultar(const QString& tabla, const QString& textoActual)
{
    if (!vb::SameText(tabla, kArticulos)) {
        QString nombre = tabla;
        QString descripcion;
        QString codigo;
        QString extra;
        ConsultaTabla(nombre, descripcion, codigo, extra, true, {});
        return codigo;
    }
    if (Cfg("UsaConsultaLIKE", "DATOS") == "SI") {
        QString texto = textoActual;
        QString resultado;
        SubConsultaLike(kArticulos, texto, resultado);
        return resultado;
    }
    Lib_ClsCons3& motor = gConsulta();
    motor.CampoDevuelto = "IdArticulo";
    motor.ConsultaSearch(kArticulos);
    return motor.ValorDevuelto;
}
