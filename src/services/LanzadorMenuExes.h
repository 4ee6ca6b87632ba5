#pragma once

#include "lookups/LanzadorNuevo.h"

// The lookups' "Nuevo" starts programs through MenuExes.
class LanzadorMenuExes : public LanzadorNuevo {
public:
    void MenuExes(QString& Programa, QString& Parametro, qint32& Resultado) override;
};
