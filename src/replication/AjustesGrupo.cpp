#include "replication/AjustesGrupo.h"

#include "platform/VbText.h"
#include "session/Configuracion.h"

#include <array>

namespace {

constexpr char kSeparador[] = "|";
// Tables copied to the group whatever its list says.
constexpr std::array kSiempreAlGrupo{"ma_contactos_cuentas", "ma_cuentas_servicios"};
// Names that, contained in a table's name, send it with any list.
constexpr std::array kNombresConLista{"V_MV_STATUS", "V_MV_CPTE"};

QString sinPuerto(const QString& servidor)
{
    const qsizetype dosPuntos = servidor.indexOf(u':');
    return dosPuntos >= 0 ? servidor.left(dosPuntos) : servidor;
}

}  // namespace

AjustesGrupo AjustesGrupo::Leer()
{
    const QVector<ValorCfg> leidos = CfgVarias({"GRP_Deshabilitado", "GRP_Tablas", "GRP_Tipos", "GRP_Server", "GRP_Base"});
    const auto ajuste = [&](int i) { return vb::Trim(leidos[i].valor); };
    AjustesGrupo ajustes;
    ajustes.habilitada = ajuste(0) == "0";
    ajustes.tablas = vb::Trim(leidos[1].valorAux);
    ajustes.tipos = ajuste(2);
    ajustes.servidor = vb::Trim(sinPuerto(ajuste(3)));
    ajustes.base = ajuste(4);
    return ajustes;
}

bool AjustesGrupo::ReplicaHabilitada(const QString& Tabla) const
{
    if (!habilitada) return false;
    for (const char* tabla : kSiempreAlGrupo) {
        if (vb::SameText(Tabla, tabla)) return true;
    }
    if (vb::IsBlank(tablas)) return false;
    const QString lista = tablas.startsWith(kSeparador) ? tablas : kSeparador + tablas;
    if (vb::ContainsText(lista, kSeparador + vb::Trim(Tabla) + kSeparador)) return true;
    for (const char* nombre : kNombresConLista) {
        if (vb::ContainsText(Tabla, nombre)) return true;
    }
    return false;
}
