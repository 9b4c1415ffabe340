// Storage for decoded recordings: a float vector whose large blocks come
// straight from the kernel, marked for transparent huge pages. Writing a
// whole recording into fresh memory otherwise costs one page fault per
// 4 KB (about half the decoding time of a FLAC file in our measurements);
// huge pages take one per 2 MB. Allocation failure throws std::bad_alloc.
#pragma once

#include <cstddef>
#include <new>
#include <vector>

void* allocateSampleMemory(std::size_t bytes);
void releaseSampleMemory(void* memory, std::size_t bytes) noexcept;

template <class T>
struct SampleAllocator
{
    using value_type = T;

    SampleAllocator() noexcept = default;
    template <class U>
    SampleAllocator(const SampleAllocator<U>&) noexcept
    {
    }

    T* allocate(std::size_t n)
    {
        if (n > static_cast<std::size_t>(-1) / sizeof(T))
            throw std::bad_alloc();
        return static_cast<T*>(allocateSampleMemory(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept { releaseSampleMemory(p, n * sizeof(T)); }

    template <class U>
    bool operator==(const SampleAllocator<U>&) const noexcept
    {
        return true;
    }
    template <class U>
    bool operator!=(const SampleAllocator<U>&) const noexcept
    {
        return false;
    }
};

using SampleBuffer = std::vector<float, SampleAllocator<float>>;
