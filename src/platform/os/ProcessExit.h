#pragma once

#include "platform/Service.h"

#include <memory>

// Ending the program at once, as the suite does when it cannot go on. Tests
// replace the service so that an ending can be seen instead of suffered.
class ProcessExit {
public:
    virtual ~ProcessExit() = default;
    [[noreturn]] virtual void exit(int code) = 0;
};

// Without another one installed, the process ends.
template <>
struct ServiceDefault<ProcessExit> {
    static std::unique_ptr<ProcessExit> make();
};

[[noreturn]] void terminateProgram(int code = 0);
