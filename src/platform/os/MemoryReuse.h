#pragma once

namespace os {

// Keeps memory the process frees for its own reuse instead of giving it back
// to the system at once. A long save keeps the rows it adds in record sets
// while the engine takes and frees large buffers at each commit; with the C
// library's defaults the top of the heap was given back and faulted in again
// over and over, a good part of such a save's time. Called once, at start.
void keepFreedMemoryForReuse();

}  // namespace os
