#include "database/VentanaAcceso.h"

namespace {
std::unique_ptr<VentanaAcceso>& actual()
{
    static std::unique_ptr<VentanaAcceso> ventana;
    return ventana;
}
}  // namespace

VentanaAcceso* ventanaAcceso() { return actual().get(); }

std::unique_ptr<VentanaAcceso> instalarVentanaAcceso(std::unique_ptr<VentanaAcceso> ventana)
{
    std::swap(actual(), ventana);
    return ventana;
}
