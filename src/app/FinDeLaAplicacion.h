#pragma once

#include "platform/ProgramEnd.h"

// The program's own end: the request is noted for main() and every event
// loop is told to stop, so that the window's loop returns and any box opened
// meanwhile closes at once.
class FinDeLaAplicacion : public NotedProgramEnd {
public:
    void request(int status) override;
};
