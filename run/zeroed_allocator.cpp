#include "run/zeroed_allocator.h"

#if defined(__unix__)
#include <sys/mman.h>
#endif

namespace tw {

#if defined(__unix__)

// A fresh anonymous mapping is zero already.
void* large_zeroed_block(std::size_t bytes) {
    void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) throw std::bad_alloc();
#if defined(MADV_HUGEPAGE)
    madvise(p, bytes, MADV_HUGEPAGE);  // a request: without large pages the block still serves
#endif
    return p;
}

void free_large_block(void* p, std::size_t bytes) noexcept {
    munmap(p, bytes);
}

#else

void* large_zeroed_block(std::size_t bytes) {
    void* p = std::calloc(bytes, 1);
    if (p == nullptr) throw std::bad_alloc();
    return p;
}

void free_large_block(void* p, std::size_t) noexcept {
    std::free(p);
}

#endif

}  // namespace tw
