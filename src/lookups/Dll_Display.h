#pragma once

#include "platform/Variant.h"

#include <QElapsedTimer>
#include <QString>

#include <memory>
#include <optional>

class Lbf_CtrlDisplay;

// The progress banner of long tasks. The caller starts it once, shows its
// progress at every step (and stops when the operator cancelled) and closes it
// at the end:
//
//     Dll_Display cartel;
//     cartel.CartelInicio("Actualizando Datos", true);
//     for (...) { cartel.CartelMostrar(cancelado, descripcion); if (cancelado) ...; }
//     cartel.CartelCerrar();
//
// Each caller keeps its own instance; the window exists only while the banner
// is open.
class Dll_Display {
public:
    static constexpr int kPasosEntreEventos = 64;
    static constexpr int kMilisegundosEntreEventos = 15;

    Dll_Display();
    ~Dll_Display();
    Dll_Display(const Dll_Display&) = delete;
    Dll_Display& operator=(const Dll_Display&) = delete;

    // Shows the banner, animating, with the cancel button only when the task
    // may be cancelled. On an open banner it starts a new task afresh.
    void CartelInicio(const QString& Titulo, bool PermiteCancelar);
    // Each line given replaces its line (Null shows as empty); a line not given
    // stays as it was. Cancelado tells whether the operator pressed the cancel
    // button; a press is seen at the call after the one that let it through.
    // Pending events are let through every kPasosEntreEventos calls, or sooner
    // when kMilisegundosEntreEventos have passed: a task of many short steps
    // then spends its time on them, not on painting.
    void CartelMostrar(bool& Cancelado, const std::optional<Variant>& L1 = std::nullopt,
                       const std::optional<Variant>& L2 = std::nullopt,
                       const std::optional<Variant>& L3 = std::nullopt);
    // Shows a bar at `hecho` of `total`, for a task that knows its length.
    void CartelAvance(qsizetype hecho, qsizetype total);
    // Arms the cancel button again, for a caller that asked the operator and
    // was told to go on.
    void CartelReanudar();
    void CartelCerrar();

    // Write-only: true keeps the banner above every other window. It holds for
    // the open banner and for the ones this instance opens later.
    void setSiempre_Visible(bool valor);
    // Write-only: the database whose look the banners this instance opens take.
    void setBaseDatos(const QString& valor) { baseDatos_ = valor; }

private:
    std::unique_ptr<Lbf_CtrlDisplay> ventana_;
    bool siempreVisible_ = false;
    QString baseDatos_;
    QElapsedTimer desdeEventos_;
    int pasosSinEventos_ = 0;
};
