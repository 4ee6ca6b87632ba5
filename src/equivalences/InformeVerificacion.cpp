#include "equivalences/InformeVerificacion.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <array>

namespace {

constexpr std::array kFormatos{std::pair{"tsv", FormatoInforme::Tsv}, std::pair{"csv", FormatoInforme::Csv},
                               std::pair{"json", FormatoInforme::Json}};

// The columns: their titles, and the JSON names of the same fields.
constexpr std::array kTitulos{"Artículo", "Unidades", "Coeficientes", "Problema"};
constexpr std::array kClaves{"articulo", "unidades", "coeficientes", "problema"};

QStringList campos(const Hallazgo& h) { return {h.articulo, h.unidades, h.coeficientes, h.problema}; }

QStringList titulos()
{
    QStringList lista;
    for (const char* titulo : kTitulos) lista.append(QString::fromUtf8(titulo));
    return lista;
}

// A tab or a line break inside a field would split it: it becomes a blank.
QString campoTsv(QString campo) { return campo.replace(u'\t', u' ').replace(u'\r', u' ').replace(u'\n', u' '); }

// Quoted as RFC 4180 has it when it holds a comma, a quote or a line break.
QString campoCsv(const QString& campo)
{
    if (!campo.contains(u',') && !campo.contains(u'"') && !campo.contains(u'\n') && !campo.contains(u'\r'))
        return campo;
    return u'"' + QString(campo).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

void escribirFila(const QStringList& fila, QTextStream& salida, FormatoInforme formato)
{
    QStringList escritos;
    for (const QString& campo : fila)
        escritos.append(formato == FormatoInforme::Tsv ? campoTsv(campo) : campoCsv(campo));
    salida << escritos.join(formato == FormatoInforme::Tsv ? u'\t' : u',') << '\n';
}

}  // namespace

QStringList FormatosDeSalida()
{
    QStringList nombres;
    for (const auto& [nombre, formato] : kFormatos) nombres.append(nombre);
    return nombres;
}

std::optional<FormatoInforme> FormatoDeSalida(const QString& nombre)
{
    for (const auto& [conocido, formato] : kFormatos)
        if (nombre.compare(conocido, Qt::CaseInsensitive) == 0) return formato;
    return std::nullopt;
}

void EscribirHallazgos(const QVector<Hallazgo>& hallazgos, QTextStream& salida, FormatoInforme formato)
{
    if (formato == FormatoInforme::Json) {
        QJsonArray filas;
        for (const Hallazgo& h : hallazgos) {
            QJsonObject fila;
            const QStringList valores = campos(h);
            for (size_t i = 0; i < kClaves.size(); ++i) fila.insert(kClaves[i], valores[static_cast<qsizetype>(i)]);
            filas.append(fila);
        }
        salida << QJsonDocument(filas).toJson(QJsonDocument::Indented);
        return;
    }
    escribirFila(titulos(), salida, formato);
    for (const Hallazgo& h : hallazgos) escribirFila(campos(h), salida, formato);
}

qsizetype ImprimirVerificacion(DB_Dll& base, QTextStream& salida, FormatoInforme formato)
{
    const QVector<Hallazgo> hallazgos = VerificacionEquivalencias(base).Verificar();
    EscribirHallazgos(hallazgos, salida, formato);
    return hallazgos.size();
}
