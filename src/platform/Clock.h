#pragma once

#include "platform/Service.h"

#include <chrono>
#include <memory>

// The time the program's rules go by (how long a stretch of writes has been
// open), as a service: tests install one that moves only when told, so that
// no result depends on how fast the machine is.
class Clock {
public:
    using Duration = std::chrono::milliseconds;
    virtual ~Clock() = default;
    // Time since a fixed point; only differences mean anything.
    virtual Duration now() const = 0;
};

// Without another one installed, the system's monotonic clock.
template <>
struct ServiceDefault<Clock> {
    static std::unique_ptr<Clock> make();
};

Clock::Duration clockNow();
