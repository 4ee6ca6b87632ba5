#include "lookups/Dll_Display.h"

#include "lookups/Lbf_CtrlDisplay.h"

#include <QCoreApplication>
#include <QTimer>

Dll_Display::Dll_Display() = default;

Dll_Display::~Dll_Display() = default;

void Dll_Display::CartelInicio(const QString& Titulo, bool PermiteCancelar)
{
    ventana_ = std::make_unique<Lbf_CtrlDisplay>(baseDatos_);
    ventana_->FijarSiempreVisible(siempreVisible_);
    ventana_->Iniciar(Titulo, PermiteCancelar);
    desdeEventos_.invalidate();
}

void Dll_Display::CartelMostrar(bool& Cancelado, const std::optional<Variant>& L1, const std::optional<Variant>& L2,
                                const std::optional<Variant>& L3)
{
    Cancelado = false;
    if (ventana_) {
        int indice = 0;
        for (const auto* linea : {&L1, &L2, &L3}) {
            if (*linea) ventana_->MostrarLinea(indice, (*linea)->textOrEmpty());
            ++indice;
        }
        Cancelado = ventana_->Abortado();
    }
    const bool pronto = desdeEventos_.isValid() && !desdeEventos_.hasExpired(kMilisegundosEntreEventos);
    if (++pasosSinEventos_ < kPasosEntreEventos && pronto) return;
    QCoreApplication::processEvents();
    desdeEventos_.start();
    pasosSinEventos_ = 0;
}

void Dll_Display::CartelAvance(qsizetype hecho, qsizetype total)
{
    if (ventana_) ventana_->MostrarAvance(hecho, total);
}

void Dll_Display::CartelReanudar()
{
    if (ventana_) ventana_->Reanudar();
}

void Dll_Display::CartelCerrar()
{
    if (!ventana_) return;
    ventana_->Timer1->stop();
    ventana_->hide();
    ventana_.reset();
}

void Dll_Display::setSiempre_Visible(bool valor)
{
    siempreVisible_ = valor;
    if (ventana_) ventana_->FijarSiempreVisible(valor);
}
