#pragma once

#include <QString>

namespace os {

// The command line the program was started with, as one text: main() hands
// over its arguments joined by blanks, and tests set their own.
QString processCommandLine();
void setProcessCommandLine(const QString& line);

}  // namespace os
