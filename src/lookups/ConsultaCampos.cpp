#include "lookups/ConsultaCampos.h"

namespace {
std::unique_ptr<ConsultaCampos>& actual()
{
    static std::unique_ptr<ConsultaCampos> consulta;
    return consulta;
}
}  // namespace

ConsultaCampos* consultaCampos() { return actual().get(); }

std::unique_ptr<ConsultaCampos> instalarConsultaCampos(std::unique_ptr<ConsultaCampos> consulta)
{
    std::swap(actual(), consulta);
    return consulta;
}
