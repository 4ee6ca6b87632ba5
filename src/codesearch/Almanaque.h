#pragma once

#include <QString>

// Months and days as the calendar of the code search box lays them out:
// six rows of seven cells, Sunday first.
namespace Almanaque {

constexpr int kMeses = 12;
constexpr int kDiasSemana = 7;
constexpr int kCeldas = 42;

// "Enero" ... "Diciembre" for 1 ... 12; empty otherwise.
QString NombreMes(int Nromes);
// The month of a name, case ignored; 0 for an unknown name.
int Nromes(const QString& NombreMes);
int CantidadDeDiasDelmes(int mes, int anio);
// The cell of the first day of the month (0 for a Sunday).
int PrimeraCelda(int mes, int anio);
// Saturdays and Sundays.
bool EsFinDeSemana(int celda);
// The date a day cell writes: "dd/MM/yyyy".
QString TextoFecha(int dia, int mes, int anio);

}  // namespace Almanaque
