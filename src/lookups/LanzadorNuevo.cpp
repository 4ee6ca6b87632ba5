#include "lookups/LanzadorNuevo.h"

namespace {
std::unique_ptr<LanzadorNuevo>& actual()
{
    static std::unique_ptr<LanzadorNuevo> lanzador;
    return lanzador;
}
}  // namespace

LanzadorNuevo* lanzadorNuevo() { return actual().get(); }

std::unique_ptr<LanzadorNuevo> instalarLanzadorNuevo(std::unique_ptr<LanzadorNuevo> lanzador)
{
    std::swap(actual(), lanzador);
    return lanzador;
}
