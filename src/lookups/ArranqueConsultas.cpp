#include "lookups/ArranqueConsultas.h"

#include "lookups/MotorConsultas.h"
#include "platform/Variant.h"
#include "platform/os/System.h"

#include <QFileInfo>

namespace {
constexpr char kArchivoMascaras[] = "consultas.vtx";
}

void ArranqueConsultas::MostrarCartel(const QString& titulo, const QStringList& lineas)
{
    const auto linea = [&lineas](int i) {
        return i < lineas.size() ? std::optional<Variant>(Variant(lineas[i])) : std::nullopt;
    };
    cartel_.CartelInicio(titulo, false);
    bool cancelado = false;
    cartel_.CartelMostrar(cancelado, linea(0), linea(1), linea(2));
}

void ArranqueConsultas::CerrarCartel() { cartel_.CartelCerrar(); }

void ArranqueConsultas::PrepararConsultas(const QString& connString)
{
    MotorConsultas& motor = gMotorConsultas();
    motor.ConnString = connString;
    motor.UsaMascaras = true;
    motor.ArchivoMascaras = os::findFileIgnoringCase(os::programFolder(), kArchivoMascaras);
    if (!QFileInfo::exists(motor.ArchivoMascaras) && motor.GrabarMascarasPorDefecto) {
        motor.GrabarMascarasPorDefecto(motor.ArchivoMascaras);
    }
}
