#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// The column-width file "CONSULTASLEN.VTX" of the program folder: one line
// per lookup, "table","w1|w2|...|" in Windows-1252 with CR LF, each width in
// twips. A rewrite goes through "CONSULTASLEN.AUX" and replaces the file in
// one step, so that a failure leaves it as it was.
class ArchivoAnchos {
public:
    explicit ArchivoAnchos(const QString& carpeta);

    // The widths of lookup `tabla` (case ignored); the last entry wins.
    std::optional<QString> AnchosDe(const QString& tabla) const;
    // Leaves one entry for `tabla`, the last one, keeping the others in their
    // order; false, with the file untouched, when it could not be done.
    bool Grabar(const QString& tabla, const QString& anchos) const;

    // Each width of a widths text, in twips; nothing for a piece that is not
    // a number ("." or "," as decimal separator).
    static QVector<std::optional<double>> Piezas(const QString& anchos);
    // The widths as the file keeps them: "1529.188|1575.081|".
    static QString Texto(const QVector<double>& anchos);

private:
    struct Entrada {
        QString tabla;
        QString anchos;
    };
    // Nothing when the file exists but cannot be read.
    std::optional<QStringList> Lineas() const;
    static std::optional<Entrada> Leer(const QString& linea);
    static QString Linea(const QString& tabla, const QString& anchos);

    QString carpeta_;
};

// Stores `Anchos` as the widths of lookup `Tabla` in the program folder; a
// failure is passed over, as the operator's widths are only a convenience.
void GrabarAnchosConsulta(const QString& Tabla, const QString& Anchos);
