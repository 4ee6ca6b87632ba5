#include "platform/Clock.h"

namespace {

class SteadyClock : public Clock {
public:
    Duration now() const override
    {
        return std::chrono::duration_cast<Duration>(std::chrono::steady_clock::now().time_since_epoch());
    }
};

}  // namespace

std::unique_ptr<Clock> ServiceDefault<Clock>::make() { return std::make_unique<SteadyClock>(); }

Clock::Duration clockNow() { return Service<Clock>::get().now(); }
