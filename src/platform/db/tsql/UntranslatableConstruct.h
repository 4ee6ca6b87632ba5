#pragma once

#include <QString>

namespace db {

// Raises the error of a T-SQL construct that has no translation for the engine,
// naming the construct so that the operator and the log can tell what failed.
[[noreturn]] void refuseConstruct(const QString& construct);

}  // namespace db
