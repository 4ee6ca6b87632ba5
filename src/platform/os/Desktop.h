#pragma once

#include "platform/Service.h"

#include <QString>
#include <QStringList>

#include <memory>

// The desktop's services for documents and programs. Tests replace the
// service to see what the program asked for without starting anything.
class Desktop {
public:
    virtual ~Desktop() = default;

    // Opens a file or an address with the desktop's default handler.
    virtual bool openDocument(const QString& target) = 0;
    // Starts a program detached, with its arguments as given (no shell reads
    // them), and returns at once: its process id, 0 when it could not start.
    virtual qint64 startProgram(const QString& program, const QStringList& arguments) = 0;
};

// Without another one installed, the system's own.
template <>
struct ServiceDefault<Desktop> {
    static std::unique_ptr<Desktop> make();
};
