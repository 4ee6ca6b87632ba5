#pragma once

#include <QString>

namespace db {
class Connection;
}

// The support library reaches the database through connections of its own,
// one per connection text and program folder (whose server registry resolves
// the text), opened on first use and kept.
db::Connection& conexionPropia(const QString& cadena);
