#include "platform/ErrorVB.h"

#include "platform/os/System.h"

ErrorVB::ErrorVB(long numero, QString descripcion, QString fuente)
    : numero(numero),
      descripcion(std::move(descripcion)),
      fuente(fuente.isEmpty() ? os::executableName() : std::move(fuente))
{
}

const char* ErrorVB::what() const noexcept
{
    texto_ = QString("(%1) %2").arg(numero).arg(descripcion).toUtf8();
    return texto_.constData();
}

namespace ErroresVB {

namespace {
QString conDetalle(const QString& texto, const QString& detalle)
{
    return detalle.isEmpty() ? texto : texto + ": " + detalle;
}
}  // namespace

ErrorVB argumentoNoValido(const QString& detalle)
{
    return {ArgumentoNoValido, conDetalle("Llamada a procedimiento o argumento no válidos", detalle)};
}

ErrorVB desbordamiento() { return {Desbordamiento, "Desbordamiento"}; }

ErrorVB memoriaInsuficiente() { return {MemoriaInsuficiente, "Memoria insuficiente"}; }

ErrorVB subindiceFueraDeIntervalo() { return {SubindiceFueraDeIntervalo, "Subíndice fuera del intervalo"}; }

ErrorVB tiposNoCoinciden(const QString& detalle)
{
    return {TiposNoCoinciden, conDetalle("No coinciden los tipos", detalle)};
}

ErrorVB usoNoValidoDeNull() { return {UsoNoValidoDeNull, "Uso no válido de Null"}; }

}  // namespace ErroresVB
