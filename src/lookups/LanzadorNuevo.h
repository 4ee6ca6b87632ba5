#pragma once

#include <QString>

#include <memory>

// What the lookup list's "Nuevo" calls to start the maintenance program of a
// table: the suite's launcher, which lives above the lookups and is installed
// by main().
class LanzadorNuevo {
public:
    virtual ~LanzadorNuevo() = default;
    // As MenuExes: `Programa` is "SHELL:" and the program's name; `Resultado`,
    // 0 on entry, receives the started program's task number.
    virtual void MenuExes(QString& Programa, QString& Parametro, qint32& Resultado) = 0;
};

// The installed launcher; none until main() installs it.
LanzadorNuevo* lanzadorNuevo();
std::unique_ptr<LanzadorNuevo> instalarLanzadorNuevo(std::unique_ptr<LanzadorNuevo> lanzador);
