#include "codesearch/Almanaque.h"

#include "platform/VbText.h"

#include <QDate>

#include <array>

namespace Almanaque {

namespace {

constexpr int kDiciembre = 12;
constexpr int kDiasDiciembre = 31;

const std::array<const char*, kMeses> kNombres{"Enero", "Febrero", "Marzo",      "Abril",   "Mayo",      "Junio",
                                               "Julio", "Agosto",  "Septiembre", "Octubre", "Noviembre", "Diciembre"};

}  // namespace

QString NombreMes(int Nromes)
{
    if (Nromes < 1 || Nromes > kMeses) return {};
    return QString::fromUtf8(kNombres[static_cast<size_t>(Nromes - 1)]);
}

int Nromes(const QString& NombreMes)
{
    for (int mes = 1; mes <= kMeses; ++mes) {
        if (vb::SameText(NombreMes, kNombres[static_cast<size_t>(mes - 1)])) return mes;
    }
    return 0;
}

int CantidadDeDiasDelmes(int mes, int anio)
{
    if (mes == kDiciembre) return kDiasDiciembre;
    return static_cast<int>(QDate(anio, mes, 1).daysTo(QDate(anio, mes + 1, 1)));
}

int PrimeraCelda(int mes, int anio) { return QDate(anio, mes, 1).dayOfWeek() % kDiasSemana; }

bool EsFinDeSemana(int celda)
{
    const int columna = celda % kDiasSemana;
    return columna == 0 || columna == kDiasSemana - 1;
}

QString TextoFecha(int dia, int mes, int anio) { return QDate(anio, mes, dia).toString("dd/MM/yyyy"); }

}  // namespace Almanaque
