#include "session/BasesDeDatos.h"

#include "session/ManejoInteractivo.h"

#include <stdexcept>

namespace {

BasesDeDatos*& enUso()
{
    static BasesDeDatos* bases = nullptr;
    return bases;
}

BasesDeDatos& lasEnUso()
{
    if (!enUso()) throw std::logic_error("no company database: main() makes it before anything asks for it");
    return *enUso();
}

}  // namespace

BasesDeDatos::BasesDeDatos()
    : empresa(std::make_unique<ManejoInteractivo>()),
      estadisticas(std::make_unique<ManejoInteractivo>()),
      anteriores_(enUso())
{
    enUso() = this;
}

BasesDeDatos::~BasesDeDatos() { enUso() = anteriores_; }

DB_Dll& gBaseDatos() { return lasEnUso().empresa; }

DB_Dll& gBaseDatosVX() { return lasEnUso().estadisticas; }
