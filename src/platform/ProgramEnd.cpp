#include "platform/ProgramEnd.h"

std::unique_ptr<ProgramEnd> ServiceDefault<ProgramEnd>::make() { return std::make_unique<NotedProgramEnd>(); }

void NotedProgramEnd::request(int status)
{
    if (!status_) status_ = status;
}

void requestProgramEnd(int status) { Service<ProgramEnd>::get().request(status); }

bool programEndRequested() { return Service<ProgramEnd>::get().requested().has_value(); }
