#pragma once

#include "platform/Variant.h"

#include <QString>
#include <QStringList>
#include <QVector>

class DB_Dll;
class HistorialEquivalencias;
class Replicacion;

// Equivalences of articles read from a spreadsheet (.xlsx or .csv): article,
// unit, equivalent unit, coefficient and an optional mark that the row is
// generic (PARATODOS = 1). Every row is checked as the window checks an
// entry; the accepted ones are written in stretches, noted in the history
// and copied like any save, and the refused ones can be written back beside
// the file with the reason of each.
class ImportacionEquivalencias {
public:
    // A row the file asks for, checked and normalised.
    struct Fila {
        int linea = 0;  // 1-based, as the spreadsheet numbers it
        QString articulo;
        QString unidad;
        QString equivalente;
        double coeficiente = 0;
        bool generica = false;
        bool existe = false;  // the article already has a row for the pair
        Variant coeficienteAnterior;
        Variant paraTodosAnterior;
    };
    struct Rechazo {
        int linea = 0;
        QStringList celdas;
        QString motivo;
    };

    // Reads and checks the file against `base`; an unreadable file raises ErrorVB.
    static ImportacionEquivalencias Leer(DB_Dll& base, const QString& archivo);

    qsizetype Nuevas() const;
    qsizetype Cambiadas() const;
    qsizetype SinCambios() const { return sinCambios_; }
    const QVector<Rechazo>& Rechazadas() const { return rechazadas_; }
    bool HayQueGrabar() const { return !aGrabar_.isEmpty(); }

    // What the import is about to do, in Spanish, and where it is copied to.
    QString Resumen(const QStringList& destinos) const;
    // Writes the accepted rows; returns how many. Failures come as ErrorVB.
    int Grabar(Replicacion& replicacion, int filasPorTramo);
    // The refused rows beside the file, "<name>-rechazadas.<ext>", with the
    // reason in a last column; returns its path, empty when none was refused.
    QString EscribirRechazadas() const;

    static constexpr int kLineasMostradas = 10;

private:
    ImportacionEquivalencias(DB_Dll& base, QString archivo) : base_(&base), archivo_(std::move(archivo)) {}
    void revisar(const QVector<QStringList>& filas);
    void leerExistentes(QVector<Fila>& filas) const;
    void grabarTramo(HistorialEquivalencias& historial, const QVector<Fila>& tramo);
    void agregar(HistorialEquivalencias& historial, const QVector<Fila>& filas);
    void cambiar(HistorialEquivalencias& historial, const QVector<Fila>& filas);

    DB_Dll* base_;
    QString archivo_;
    QStringList encabezado_;
    QVector<Fila> aGrabar_;
    QVector<Rechazo> rechazadas_;
    qsizetype sinCambios_ = 0;
};
