#include "platform/os/CommandLine.h"

namespace os {

namespace {
QString& storedCommandLine()
{
    static QString line;
    return line;
}
}  // namespace

QString processCommandLine() { return storedCommandLine(); }

void setProcessCommandLine(const QString& line) { storedCommandLine() = line; }

}  // namespace os
