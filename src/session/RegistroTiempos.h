#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// Timing checkpoints of the start-up. Recording them is switched off: the
// switch is turned on here, by hand, when a slow start-up is investigated.
inline constexpr bool kRegistrarTiempos = false;
inline constexpr char kArchivoTiempos[] = "TIEMPOS.LOG";

// Seconds since midnight, as the start time of a checkpoint.
float SegundosDelDia();
// Seconds from `Inicio` until now; below 0.01 it is 0, across midnight a day is added.
float TiempoTranscurrido(float Inicio);

// Appends one checkpoint line to TIEMPOS.LOG in the program folder when the
// switch is on; a negative `Inicio` leaves the elapsed time out.
void RegistraTiempo(const QString& Texto, float Inicio = -1, const QString& Detalle = {});

// The line of one checkpoint: "yyyy-mm-dd hh:nn:ss | PERF | text[ | 0.000s][ | detail]".
QString LineaTiempo(const QDateTime& momento, const QString& Texto, std::optional<float> Transcurrido,
                    const QString& Detalle);
// Appends that line to the log in the program folder (what RegistraTiempo does when switched on).
void EscribirTiempo(const QString& Texto, float Inicio, const QString& Detalle);
