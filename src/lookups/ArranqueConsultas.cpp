#include "lookups/ArranqueConsultas.h"

#include "lookups/ArchivoConsultas.h"
#include "lookups/Lib_ClsCons3.h"
#include "lookups/ModConsultas.h"
#include "platform/TrapErrores.h"
#include "platform/Variant.h"
#include "platform/os/System.h"

namespace {
constexpr char kArchivoMascaras[] = "consultas.vtx";
}

void ArranqueConsultas::MostrarCartel(const QString& baseDatos, const QString& titulo, const QStringList& lineas)
{
    const auto linea = [&lineas](int i) {
        return i < lineas.size() ? std::optional<Variant>(Variant(lineas[i])) : std::nullopt;
    };
    cartel_.setBaseDatos(baseDatos);
    cartel_.CartelInicio(titulo, false);
    bool cancelado = false;
    cartel_.CartelMostrar(cancelado, linea(0), linea(1), linea(2));
}

void ArranqueConsultas::CerrarCartel() { cartel_.CartelCerrar(); }

void ArranqueConsultas::PrepararConsultas(const QString& connString)
{
    Lib_ClsCons3& motor = gConsulta();
    motor.gConnString = connString;
    motor.gUsarMascarasConsultas = true;
    motor.gRutaMascaraConsultas = ArchivoConsultas(os::joinPath(os::programFolder(), kArchivoMascaras)).Ruta();
    // A program folder that cannot be written to leaves the lookups without
    // definitions (they then read the tables themselves); the program starts all the same.
    if (!ArchivoConsultas(motor.gRutaMascaraConsultas).Existe())
        (void)TrapErrores::silencioso().paso([] { CrearArchivoConsultas(); });
}
