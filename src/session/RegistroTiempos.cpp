#include "session/RegistroTiempos.h"

#include "platform/VbText.h"
#include "platform/os/AnsiFile.h"
#include "platform/os/System.h"

#include <cmath>

namespace {
constexpr float kSegundosPorDia = 86400.0F;
constexpr float kMinimoVisible = 0.01F;
}  // namespace

float SegundosDelDia() { return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0F; }

float TiempoTranscurrido(float Inicio)
{
    float transcurrido = SegundosDelDia() - Inicio;
    if (std::fabs(transcurrido) < kMinimoVisible) return 0;
    if (transcurrido < 0) transcurrido += kSegundosPorDia;
    return transcurrido;
}

QString LineaTiempo(const QDateTime& momento, const QString& Texto, std::optional<float> Transcurrido,
                    const QString& Detalle)
{
    QString linea = momento.toString("yyyy-MM-dd hh:mm:ss") + " | PERF | " + Texto;
    if (Transcurrido) linea += " | " + QString::number(*Transcurrido, 'f', 3) + "s";
    if (!vb::IsBlank(Detalle)) linea += " | " + Detalle;
    return linea;
}

void EscribirTiempo(const QString& Texto, float Inicio, const QString& Detalle)
{
    const std::optional<float> transcurrido =
        Inicio < 0 ? std::nullopt : std::optional<float>(TiempoTranscurrido(Inicio));
    os::appendAnsiText(os::joinPath(os::programFolder(), kArchivoTiempos),
                       LineaTiempo(QDateTime::currentDateTime(), Texto, transcurrido, Detalle) + os::kCrLf);
}

void RegistraTiempo(const QString& Texto, float Inicio, const QString& Detalle)
{
    if constexpr (kRegistrarTiempos) EscribirTiempo(Texto, Inicio, Detalle);
}
