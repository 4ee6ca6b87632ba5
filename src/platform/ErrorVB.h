#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// The one run-time failure that crosses routines. Routines that trap errors
// catch it (through TrapErrores); routines without a handler let it reach
// their caller, as the original program did.
struct ErrorVB : std::exception {
    long numero = 0;
    QString descripcion;
    QString fuente;

    ErrorVB() = default;
    ErrorVB(long numero, QString descripcion, QString fuente = {});

    bool hayError() const { return numero != 0; }
    const char* what() const noexcept override;

private:
    mutable QByteArray texto_;
};

// Run-time error numbers raised by our own code where the original runtime would.
namespace ErroresVB {
constexpr long ArgumentoNoValido = 5;
constexpr long Desbordamiento = 6;
constexpr long MemoriaInsuficiente = 7;
constexpr long SubindiceFueraDeIntervalo = 9;
constexpr long TiposNoCoinciden = 13;
constexpr long ArchivoNoEncontrado = 53;
constexpr long ErrorDeAccesoARuta = 75;
constexpr long UsoNoValidoDeNull = 94;
constexpr long ErrorDeAutomatizacion = 440;

// What starting a local SQL Server reports when it is already running.
constexpr long ServicioYaIniciado = 1056;
constexpr long ServicioYaIniciadoHresult = -2147023840;  // the same, as a Windows result code
constexpr long ServidorYaIniciado = 20480;

ErrorVB argumentoNoValido(const QString& detalle = {});
ErrorVB desbordamiento();
ErrorVB memoriaInsuficiente();
ErrorVB subindiceFueraDeIntervalo();
ErrorVB tiposNoCoinciden(const QString& detalle = {});
ErrorVB usoNoValidoDeNull();
}  // namespace ErroresVB
