#pragma once

#include "platform/Service.h"

#include <memory>
#include <optional>

// The end of the program, asked for where it turns out that it cannot go on
// (the operator chose to close it when its server went away). Nothing ends at
// once: the part that asked reports its failure to its caller as any other,
// and main() returns with the status once control is back there. The
// program's own end also stops the event loops, so that a box opened from
// then on closes at once; without it installed, the request is only noted.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    // The first request's status holds.
    virtual void request(int status) = 0;
    virtual std::optional<int> requested() const = 0;
};

template <>
struct ServiceDefault<ProgramEnd> {
    static std::unique_ptr<ProgramEnd> make();
};

// The end that only notes the request; main()'s own builds on it.
class NotedProgramEnd : public ProgramEnd {
public:
    void request(int status) override;
    std::optional<int> requested() const override { return status_; }

private:
    std::optional<int> status_;
};

void requestProgramEnd(int status = 0);
bool programEndRequested();
