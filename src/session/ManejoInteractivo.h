#pragma once

#include "database/ManejoFallos.h"

#include <memory>

class frmReconectar;

// The failure handler of the company and statistics databases: it asks the
// operator, in the suite's own words, shows the login window (through the
// VentanaAcceso service) and the reconnection window, and lets the window's
// events run while it waits. When the operator chooses to close the program
// it asks for the program's end; from then on it asks nothing more and every
// failure only leaves.
class ManejoInteractivo : public ManejoFallos {
public:
    ManejoInteractivo();
    ~ManejoInteractivo() override;
    ManejoInteractivo(const ManejoInteractivo&) = delete;
    ManejoInteractivo& operator=(const ManejoInteractivo&) = delete;

    bool Silencioso() const override { return false; }
    int TratamientoErrores(const ErrorVB& error, int botones, const QString& rutina,
                           const QString& archivoErrores) override;
    Respuesta TratarError(const ErrorVB& error, const QString& rutina) override;
    Respuesta FalloDeBusqueda(const ErrorVB& error) override;
    void FalloDeSentencia(const ErrorVB& error) override;
    void SinConexion() override;
    bool ReintentarApertura(const ErrorVB& error, const db::Errors& errores, const EnlaceBase& enlace,
                            const QString& usuario) override;
    bool PedirParametros(DatosAcceso& datos) override;
    Respuesta PerdidaDeConexion(const EnlaceBase& enlace, const std::function<bool()>& reconectar) override;
    bool ReintentarTrasPerdida(const EnlaceBase& enlace) override;
    std::optional<QString> ElegirArchivo(const QString& titulo, const QString& filtro) override;
    QString PedirClave() override;
    void FalloDeArchivo(const ErrorVB& error) override;
    void DespuesDeLeer() override;

private:
    // Series of attempts in the reconnection window until one reconnects or
    // the operator presses "Cerrar Sistema".
    bool reconectarConVentana(const EnlaceBase& enlace, const std::function<bool()>& reconectar);
    bool cerrarPrograma();

    bool preguntaPerdidaVisible_ = false;
    std::unique_ptr<frmReconectar> ventanaReconexion_;
};
