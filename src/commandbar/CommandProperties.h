#pragma once

#include <QString>

#include <optional>

// The per-command property family: each name N ("Nuevo", "Grabar", ...)
// gives the bar the properties N + "Enabled" and N + "Visible", bound to one
// item key. "Consulta" and "consultar" both address "CONSULTAR".
namespace CommandProperties {

// The key a property name addresses (name compared ignoring case); nothing
// for a name outside the family.
std::optional<QString> KeyOf(const QString& name);

}  // namespace CommandProperties
