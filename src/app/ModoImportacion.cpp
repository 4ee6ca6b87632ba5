#include "app/ModoImportacion.h"

#include "app/DialogosDeConsola.h"
#include "app/EntradaDeConsola.h"
#include "database/DB_Dll.h"
#include "database/TablasPropias.h"
#include "equivalences/CodigosEquivalencia.h"
#include "equivalences/EscrituraGenerica.h"
#include "equivalences/HistorialEquivalencias.h"
#include "equivalences/ImportacionEquivalencias.h"
#include "platform/ErrorVB.h"
#include "replication/GrabacionConReplica.h"
#include "replication/ListaPendientes.h"
#include "replication/ReplicaGrupo.h"
#include "session/OpcionesPrograma.h"

#include <QTextStream>

namespace {

constexpr int kTodoImportado = 0;
constexpr int kConRechazos = 1;
constexpr int kNadaHecho = 2;

}  // namespace

int ImportarDesdeConsola(DB_Dll& empresa, const QString& archivo, const QString& lineaComando)
{
    try {
        if (!EntrarDesdeConsola(lineaComando)) return kNadaHecho;
        if (!CrearTablasQueFaltan(empresa, {ListaPendientes::kTabla, HistorialEquivalencias::kTabla})) {
            AvisarEnConsola("No se pudo crear la tabla del historial de equivalencias.");
            return kNadaHecho;
        }
        ReplicaGrupo replica(empresa);
        const GrabacionConReplica grabacion(replica);
        if (!grabacion.Aceptada()) return kNadaHecho;
        ImportacionEquivalencias importacion = ImportacionEquivalencias::Leer(empresa, archivo);
        QTextStream salida(stdout);
        salida << importacion.Resumen(replica.Destinos(kTablaEquivalencias)) << '\n';
        if (const QString rechazadas = importacion.EscribirRechazadas(); !rechazadas.isEmpty())
            salida << "Las filas rechazadas, con su motivo, están en " << rechazadas << ".\n";
        salida.flush();
        if (importacion.HayQueGrabar()) importacion.Grabar(replica, EscrituraGenerica::kArticulosPorTramo);
        if (importacion.Rechazadas().isEmpty()) return kTodoImportado;
        return importacion.HayQueGrabar() || importacion.SinCambios() > 0 ? kConRechazos : kNadaHecho;
    } catch (const ErrorVB& error) {
        AvisarEnConsola(UnaLinea(error.descripcion));
        return kNadaHecho;
    }
}
