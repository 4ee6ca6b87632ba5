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

QString ajuste(const char* clave) { return vb::Trim(Cfg(clave)); }

QString sinPuerto(const QString& servidor)
{
    const qsizetype dosPuntos = servidor.indexOf(u':');
    return dosPuntos >= 0 ? servidor.left(dosPuntos) : servidor;
}

}  // namespace

AjustesGrupo AjustesGrupo::Leer()
{
    AjustesGrupo ajustes;
    ajustes.habilitada = ajuste("GRP_Deshabilitado") == "0";
    QString lista;
    (void)Cfg("GRP_Tablas", lista);
    ajustes.tablas = vb::Trim(lista);
    ajustes.tipos = ajuste("GRP_Tipos");
    ajustes.servidor = vb::Trim(sinPuerto(ajuste("GRP_Server")));
    ajustes.base = ajuste("GRP_Base");
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
