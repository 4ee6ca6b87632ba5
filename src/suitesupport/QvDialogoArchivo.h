#pragma once

#include <QString>

// Open-file dialog of the support library: set a title and a filter
// ("description|pattern"), show it, then read the chosen path.
class QvDialogoArchivo {
public:
    void setTitulo(const QString& titulo) { titulo_ = titulo; }
    void setFiltro(const QString& filtro) { filtro_ = filtro; }

    // True when a file was chosen.
    bool Mostrar();
    QString NombreArchivo() const { return nombreArchivo_; }
    bool Cancelado() const { return cancelado_; }

private:
    QString titulo_;
    QString filtro_;
    QString nombreArchivo_;
    bool cancelado_ = false;
};
