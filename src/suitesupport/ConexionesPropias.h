#pragma once

#include <QString>

#include <functional>

namespace db {
class Connection;
}

// The support library reaches the database through connections of its own,
// one per connection text and program folder (whose server registry resolves
// the text), opened on first use and kept. `uso` runs on the connection of
// `cadena`. A kept connection outlives a restart of the server: when `uso`
// fails because the link is lost, the connection is opened again and `uso`
// runs once more (the library only reads through it, so a second run is safe).
void usarConexionPropia(const QString& cadena, const std::function<void(db::Connection&)>& uso);
