#pragma once
// Counts the calls of the global operator new while counting is set. It
// replaces the global operators, so exactly one source file of a test
// executable includes it, and that executable is one of its own: the other
// tests must keep allocating as usual.
#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace test::alloc {

inline std::atomic<bool> counting{false};
inline std::atomic<long> allocations{0};

inline void* Allocate(std::size_t size, std::size_t alignment = alignof(std::max_align_t)) {
    if (counting.load(std::memory_order_relaxed))
        allocations.fetch_add(1, std::memory_order_relaxed);
    if (size == 0)
        size = 1;
    void* p = alignment <= alignof(std::max_align_t)
                  ? std::malloc(size)
                  : std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment);
    if (p == nullptr)
        throw std::bad_alloc();
    return p;
}

} // namespace test::alloc

void* operator new(std::size_t size) { return test::alloc::Allocate(size); }
void* operator new[](std::size_t size) { return test::alloc::Allocate(size); }
void* operator new(std::size_t size, std::align_val_t a) {
    return test::alloc::Allocate(size, static_cast<std::size_t>(a));
}
void* operator new[](std::size_t size, std::align_val_t a) {
    return test::alloc::Allocate(size, static_cast<std::size_t>(a));
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return test::alloc::Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& t) noexcept { return operator new(size, t); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }
