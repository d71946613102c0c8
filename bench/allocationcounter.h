#pragma once

#include <cstdint>

// Counts heap allocations made by the whole process (Qt included) while switched on,
// by standing in for the C library's allocator functions.
namespace AllocationCounter {
void start();
std::uint64_t stop();
} // namespace AllocationCounter
