#pragma once

#include <QString>

// The text rules of the portal launcher: form values for the ticket request
// and the parts of a browser command's app address.

// Edge's option that opens an address in a window of its own.
inline constexpr char kOpcionModoApp[] = "--app=";

// Percent-encodes a form value as UTF-8: letters, digits and "-._~" stay, a
// blank becomes "%20", everything else "%" and two upper-case hexadecimal
// digits per byte. A surrogate pair is one character (four bytes); a lone
// surrogate is written as U+FFFD.
QString CodificarURL(const QString& texto);

// The address after "--app=" in a browser command, without the quotes around
// it; cut at the first blank when unquoted. Empty when there is no "--app=".
QString UrlDeModoApp(const QString& texto);

// Scheme, "://", host and port: everything before the first "/" after "://";
// the whole address when no "/" follows; empty without "://".
QString UrlBase(const QString& URL);

// The path after the base, without one leading "/", query and fragment, trimmed.
QString ModuloDeUrl(const QString& URL);
