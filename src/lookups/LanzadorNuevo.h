#pragma once

#include "platform/Service.h"

#include <QString>

#include <memory>

// What the lookup list's "Nuevo" calls to start the maintenance program of a
// table: the suite's launcher, which lives above the lookups; installed as a
// Service by main(), none until then.
class LanzadorNuevo {
public:
    virtual ~LanzadorNuevo() = default;
    // As MenuExes: `Programa` is "SHELL:" and the program's name; `Resultado`,
    // 0 on entry, receives the started program's task number.
    virtual void MenuExes(QString& Programa, QString& Parametro, qint32& Resultado) = 0;
};
