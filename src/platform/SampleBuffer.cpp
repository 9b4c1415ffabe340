#include "SampleBuffer.h"

#include <cstdlib>
#include <sys/mman.h>

namespace {
// Below this, ordinary heap memory; above, whole huge pages are worth it.
constexpr std::size_t kLargeBytes = std::size_t{4} << 20;
} // namespace

void* allocateSampleMemory(std::size_t bytes)
{
    if (bytes < kLargeBytes) {
        if (void* p = std::malloc(bytes == 0 ? 1 : bytes))
            return p;
        throw std::bad_alloc();
    }
    void* p = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED)
        throw std::bad_alloc();
    ::madvise(p, bytes, MADV_HUGEPAGE); // a hint: without huge pages it still works
    return p;
}

void releaseSampleMemory(void* memory, std::size_t bytes) noexcept
{
    if (!memory)
        return;
    if (bytes < kLargeBytes)
        std::free(memory);
    else
        ::munmap(memory, bytes);
}
