#pragma once

#include "lookups/RegistroConsulta.h"

#include <QString>
#include <QVector>

#include <optional>

// The lookup definition file: fixed-length records (RegistroConsulta),
// numbered from 1, without a header. Its name is looked up ignoring case, so
// "consultas.vtx" and "CONSULTAS.VTX" are the one file.
class ArchivoConsultas {
public:
    explicit ArchivoConsultas(const QString& ruta);

    QString Ruta() const { return ruta_; }
    bool Existe() const;
    // Every whole record, in file order; raises error 75 when the file
    // cannot be read.
    QVector<RegistroConsulta> Registros() const;
    // The first record of `tabla`.
    std::optional<RegistroConsulta> Buscar(const QString& tabla) const;
    // Writes the records from record number (length ÷ 1202) + 1 on, creating
    // the file; raises error 75 when it cannot be written.
    void Agregar(const QVector<RegistroConsulta>& registros) const;

private:
    QString ruta_;
};
