#pragma once

#include <QString>

// Further values of the chosen row that the consignee and tropa lookups hand back.
struct DatosAdicionales {
    QString Dato1;
    QString Dato2;
    QString Dato3;
};

// Opens the lookup of one of the suite's main entities (articles, clients,
// suppliers, contacts, accounts, streets, localities, consignees, e-mail
// events, tropas, technicians, or any other table) filtered by what the
// operator already typed, and returns the chosen code, trimmed, in
// `Resultado`; `Resultado` is left as it was when no list is shown.
// `TextoBuscado` may change: a field showing the clients' or suppliers'
// caption is searched as empty, and with "UsaConsultaLIKE" an article's
// blanks become "%" (the words match in order with anything between them).
void SubConsultaLike(const QString& Tabla, QString& TextoBuscado, QString& Resultado, bool SoloNoSuspendidos = false,
                     const QString& Where = {}, DatosAdicionales* Datos = nullptr);
