#pragma once

#include "lookups/LanzadorNuevo.h"

class DB_Dll;

// The lookups' "Nuevo" starts programs through MenuExes.
class LanzadorMenuExes : public LanzadorNuevo {
public:
    // The programs started get the session on the company's database `base`.
    explicit LanzadorMenuExes(DB_Dll& base) : base_(base) {}

    void MenuExes(QString& Programa, QString& Parametro, qint32& Resultado) override;

private:
    DB_Dll& base_;
};
