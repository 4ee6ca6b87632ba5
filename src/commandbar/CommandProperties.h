#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class BarModel;
class BarPropertyBag;

// The per-command property family: each name N ("Nuevo", "Grabar", ...)
// gives the bar the properties N + "Enabled" and N + "Visible", bound to one
// item key. "Consulta" and "consultar" both address "CONSULTAR".
namespace CommandProperties {

// The key a property name addresses (name compared ignoring case); nothing
// for a name outside the family.
std::optional<QString> KeyOf(const QString& name);

// The names whose states a window saves with the bar, in the order written.
const QStringList& SavedNames();
// Every saved name's enabled and visible state, always stored; a key the bar
// does not hold is saved as false.
void Write(const BarModel& model, BarPropertyBag& bag);
// Loads the default items into an empty bar, then applies each saved state;
// a state not saved keeps the item's own.
void Read(const BarPropertyBag& bag, BarModel& model);

}  // namespace CommandProperties
