#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// PATH for one test: a folder of its own holding a stand-in for Edge under
// the given name, or nothing (an empty name). The stand-in is never run: the
// recording desktop only notes it. The previous PATH comes back afterwards.
class EdgeDePrueba {
public:
    explicit EdgeDePrueba(const QString& nombre = "microsoft-edge");
    ~EdgeDePrueba();
    EdgeDePrueba(const EdgeDePrueba&) = delete;
    EdgeDePrueba& operator=(const EdgeDePrueba&) = delete;

    // The stand-in's full path; empty without one.
    QString ruta() const { return ruta_; }

private:
    QTemporaryDir carpeta_;
    QByteArray pathAnterior_;
    QString ruta_;
};
