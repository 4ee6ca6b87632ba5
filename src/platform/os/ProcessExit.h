#pragma once

#include <memory>

// Ending the program at once, as the suite does when it cannot go on. Tests
// replace the service so that an ending can be seen instead of suffered.
class ProcessExit {
public:
    virtual ~ProcessExit() = default;
    [[noreturn]] virtual void exit(int code) = 0;
};

[[noreturn]] void terminateProgram(int code = 0);
// Replaces the service; returns the one it replaces.
std::unique_ptr<ProcessExit> installProcessExit(std::unique_ptr<ProcessExit> service);
