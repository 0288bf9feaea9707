#pragma once

#include <cstddef>

// How many times operator new has been called in this program so far. The benchmark replaces the
// global operator new to count, so that it can report allocations per text.
std::size_t AllocationCount();
