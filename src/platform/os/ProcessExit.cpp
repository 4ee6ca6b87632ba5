#include "platform/os/ProcessExit.h"

#include <cstdlib>

namespace {

class SystemExit : public ProcessExit {
public:
    [[noreturn]] void exit(int code) override { std::exit(code); }
};

}  // namespace

std::unique_ptr<ProcessExit> ServiceDefault<ProcessExit>::make() { return std::make_unique<SystemExit>(); }

void terminateProgram(int code)
{
    Service<ProcessExit>::get().exit(code);
    std::abort();  // a replacement that returned would break its promise
}
