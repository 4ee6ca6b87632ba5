#pragma once

#include <QString>

#include <functional>

// The settings the lookup engine works with, given at start-up.
struct MotorConsultas {
    QString ConnString;        // the company database's connection text
    bool UsaMascaras = false;  // column layouts come from the mask file
    QString ArchivoMascaras;   // program folder + "consultas.vtx"
    // Writes the catalogue's default masks into a file that does not exist
    // yet; the lookup catalogue sets it.
    std::function<void(const QString& archivo)> GrabarMascarasPorDefecto;
};

MotorConsultas& gMotorConsultas();
