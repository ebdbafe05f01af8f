#pragma once
// Zero-filled storage for the data model's arrays.

#include <cstddef>
#include <cstdlib>
#include <new>
#include <type_traits>
#include <utility>

namespace tw {

// Blocks from this size on (a resemblance matrix of about 3000 objects) are
// mapped from the operating system directly, in large pages where it has
// them: the clustering walks such a matrix down its columns, one row apart,
// and with ordinary 4 KB pages nearly every step misses the processor's
// page table cache. Smaller blocks come from calloc.
inline constexpr std::size_t kLargeBlock = std::size_t{32} << 20;
// Zeroed memory of `bytes` bytes; throws std::bad_alloc.
void* large_zeroed_block(std::size_t bytes);
void free_large_block(void* p, std::size_t bytes) noexcept;

// Storage that arrives filled with zero bytes from calloc. A number needs no
// constructor: calloc's memory already holds it, as zero (C++20's implicit
// object creation), so it is not written a second time; other types are
// default-constructed in place. A large block comes straight from the
// operating system, already zero, so a 400 MB resemblance matrix costs no
// pass over its memory before the measure fills it.
template <class T>
struct ZeroedAllocator {
    using value_type = T;
    ZeroedAllocator() = default;
    template <class U>
    ZeroedAllocator(const ZeroedAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) {
        if (count * sizeof(T) >= kLargeBlock)
            return static_cast<T*>(large_zeroed_block(count * sizeof(T)));
        void* p = std::calloc(count, sizeof(T));
        if (p == nullptr) throw std::bad_alloc();
        return static_cast<T*>(p);
    }
    void deallocate(T* p, std::size_t count) noexcept {
        if (count * sizeof(T) >= kLargeBlock) return free_large_block(p, count * sizeof(T));
        std::free(p);
    }

    template <class U>
    void construct(U* p) {
        if constexpr (!std::is_trivially_default_constructible_v<U>)
            ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }

    template <class U>
    bool operator==(const ZeroedAllocator<U>&) const noexcept {
        return true;
    }
};

}  // namespace tw
