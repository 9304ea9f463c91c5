// Every allocation of the program goes through here: when memory cannot be
// had, the player sees the runtime error and the program stops, rather than
// an unhandled exception ending it without a word.
#include <malloc.h>

#include <cstdlib>
#include <new>

#include "platform/runtime.h"

namespace {

void* allocate(std::size_t size) {
    for (;;) {
        if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
        std::new_handler handler = std::get_new_handler();
        if (!handler) kistvar::out_of_memory(size);
        handler();
    }
}

void* allocate_aligned(std::size_t size, std::align_val_t alignment) {
    for (;;) {
        if (void* memory = _aligned_malloc(size == 0 ? 1 : size, static_cast<std::size_t>(alignment)))
            return memory;
        std::new_handler handler = std::get_new_handler();
        if (!handler) kistvar::out_of_memory(size);
        handler();
    }
}

// The non-throwing forms keep their promise: null, no message.
void* try_allocate(std::size_t size) noexcept { return std::malloc(size == 0 ? 1 : size); }

void* try_allocate_aligned(std::size_t size, std::align_val_t alignment) noexcept {
    return _aligned_malloc(size == 0 ? 1 : size, static_cast<std::size_t>(alignment));
}

}  // namespace

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void* operator new(std::size_t size, std::align_val_t alignment) { return allocate_aligned(size, alignment); }
void* operator new[](std::size_t size, std::align_val_t alignment) { return allocate_aligned(size, alignment); }

void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return try_allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return try_allocate(size); }
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return try_allocate_aligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return try_allocate_aligned(size, alignment);
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }

void operator delete(void* memory, std::align_val_t) noexcept { _aligned_free(memory); }
void operator delete[](void* memory, std::align_val_t) noexcept { _aligned_free(memory); }
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept { _aligned_free(memory); }
void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept { _aligned_free(memory); }
void operator delete(void* memory, std::align_val_t, const std::nothrow_t&) noexcept { _aligned_free(memory); }
void operator delete[](void* memory, std::align_val_t, const std::nothrow_t&) noexcept { _aligned_free(memory); }
