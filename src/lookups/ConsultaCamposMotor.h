#pragma once

#include "lookups/ConsultaCampos.h"

// The lookups of the maintenance window's code fields. Articles go through
// the query builder with the text already typed when setting
// "UsaConsultaLIKE" is "SI", else through the search engine; any other
// table through the lookup catalogue.
class ConsultaCamposMotor : public ConsultaCampos {
public:
    QString Consultar(const QString& tabla, const QString& textoActual) override;
};
