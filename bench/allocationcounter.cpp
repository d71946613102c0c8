#include "allocationcounter.h"

#include <atomic>
#include <cstddef>

extern "C" {
void *__libc_malloc(std::size_t size);
void *__libc_calloc(std::size_t count, std::size_t size);
void *__libc_realloc(void *pointer, std::size_t size);
void *__libc_memalign(std::size_t alignment, std::size_t size);
}

namespace {
std::atomic<bool> s_counting{false};
std::atomic<std::uint64_t> s_allocations{0};

void count()
{
    if (s_counting.load(std::memory_order_relaxed))
        s_allocations.fetch_add(1, std::memory_order_relaxed);
}
} // namespace

// The executable's definitions take precedence over glibc's for every library loaded.
extern "C" {
void *malloc(std::size_t size)
{
    count();
    return __libc_malloc(size);
}

void *calloc(std::size_t n, std::size_t size)
{
    count();
    return __libc_calloc(n, size);
}

void *realloc(void *pointer, std::size_t size)
{
    count();
    return __libc_realloc(pointer, size);
}

void *memalign(std::size_t alignment, std::size_t size)
{
    count();
    return __libc_memalign(alignment, size);
}

int posix_memalign(void **out, std::size_t alignment, std::size_t size)
{
    count();
    *out = __libc_memalign(alignment, size);
    return *out ? 0 : 12; // ENOMEM
}

void *aligned_alloc(std::size_t alignment, std::size_t size)
{
    count();
    return __libc_memalign(alignment, size);
}
}

namespace AllocationCounter {
void start()
{
    s_allocations = 0;
    s_counting = true;
}

std::uint64_t stop()
{
    s_counting = false;
    return s_allocations;
}
} // namespace AllocationCounter
