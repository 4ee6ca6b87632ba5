#pragma once

#include "platform/ErrorVB.h"

#include <functional>

// The number of the ErrorVB that `action` raises; 0 when it raises none.
inline long errorNumber(const std::function<void()>& action)
{
    try {
        action();
    } catch (const ErrorVB& error) {
        return error.numero;
    }
    return 0;
}
