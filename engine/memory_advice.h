// Hints to the operating system about how to back a measurement's memory.
#pragma once

#include <cstddef>

namespace engine {

// Asks for large pages behind the whole pages of [start, start + bytes) when the region spans at
// least one large page. The arrays are still first touched inside the timed region, but a large
// page costs one fault where 4 KB pages cost 512, so the figures of the write kernels and of the
// destination arrays show the memory's bandwidth rather than the page-fault rate.
void adviseLargePages(void* start, std::size_t bytes);

}  // namespace engine
