#include "platform/os/MemoryReuse.h"

#include <malloc.h>

namespace os {

namespace {

constexpr int kMegabyte = 1024 * 1024;
// Free memory at the top of the heap is given back only beyond this much.
constexpr int kKeptFreeMemory = 64 * kMegabyte;
// The heap grows by at least this much at a time.
constexpr int kGrowthStep = 16 * kMegabyte;

}  // namespace

void keepFreedMemoryForReuse()
{
    mallopt(M_TRIM_THRESHOLD, kKeptFreeMemory);
    mallopt(M_TOP_PAD, kGrowthStep);
}

}  // namespace os
