#include "platform/os/ProcessExit.h"

#include <cstdlib>

namespace {

class SystemExit : public ProcessExit {
public:
    [[noreturn]] void exit(int code) override { std::exit(code); }
};

std::unique_ptr<ProcessExit>& current()
{
    static std::unique_ptr<ProcessExit> service = std::make_unique<SystemExit>();
    return service;
}

}  // namespace

void terminateProgram(int code)
{
    current()->exit(code);
    std::abort();  // a replacement that returned would break its promise
}

std::unique_ptr<ProcessExit> installProcessExit(std::unique_ptr<ProcessExit> service)
{
    std::swap(current(), service);
    return service;
}
