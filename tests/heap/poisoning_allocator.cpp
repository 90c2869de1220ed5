#include "heap/poisoning_allocator.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>

namespace kadrion::testing_support {
namespace {

constexpr std::uint32_t kLive = 0x4C495645;   // the block is in use
constexpr std::uint32_t kFreed = 0x46524545;  // the block waits in the quarantine
constexpr std::size_t kQuarantineBytes = std::size_t{8} << 20;

// Sits right before the block operator new hands out.
struct Header {
  Header* next;  // the block freed after this one, while in the quarantine
  void* base;    // what HeapAlloc gave
  std::size_t size;
  std::uint32_t magic;
};

// A lock that needs no constructor run (std::mutex has one in this runtime). Held briefly, and
// contended only by the tests' few threads.
class SpinLock {
 public:
  void lock() noexcept {
    while (held_.test_and_set(std::memory_order_acquire)) SwitchToThread();
  }
  void unlock() noexcept { held_.clear(std::memory_order_release); }

 private:
  std::atomic_flag held_;
};

// All constant-initialised, so that allocations made before any constructor of the program
// ran find it ready, and nothing of it is destroyed before the last delete.
struct Quarantine {
  SpinLock lock;
  Header* oldest = nullptr;
  Header* newest = nullptr;
  std::size_t bytes = 0;
  std::size_t faults = 0;
  bool endOnFaults = false;
};
constinit Quarantine quarantine;

void Report(const char* what, std::size_t size) {
  std::fprintf(stderr, "poisoning allocator: %s (a block of %lu bytes)\n", what,
               static_cast<unsigned long>(size));
  std::fflush(stderr);
  ++quarantine.faults;
  if (quarantine.endOnFaults) std::_Exit(3);
}

void* Allocate(std::size_t size, std::size_t alignment) noexcept {
  alignment = std::max<std::size_t>(alignment, __STDCPP_DEFAULT_NEW_ALIGNMENT__);
  const std::size_t extra = sizeof(Header) + alignment - 1;
  if (size > SIZE_MAX - extra) return nullptr;
  void* base = HeapAlloc(GetProcessHeap(), 0, size + extra);
  if (!base) return nullptr;
  const std::uintptr_t block =
      (reinterpret_cast<std::uintptr_t>(base) + sizeof(Header) + alignment - 1) & ~(alignment - 1);
  *(reinterpret_cast<Header*>(block) - 1) = Header{nullptr, base, size, kLive};
  return reinterpret_cast<void*>(block);
}

void* AllocateOrThrow(std::size_t size, std::size_t alignment) {
  for (;;) {
    if (void* block = Allocate(size, alignment)) return block;
    const std::new_handler handler = std::get_new_handler();
    if (!handler) throw std::bad_alloc();
    handler();
  }
}

// Called with the lock held.
void ReleaseOldest() {
  Header* header = quarantine.oldest;
  quarantine.oldest = header->next;
  if (!quarantine.oldest) quarantine.newest = nullptr;
  quarantine.bytes -= header->size;
  const auto* bytes = reinterpret_cast<const unsigned char*>(header + 1);
  if (std::any_of(bytes, bytes + header->size, [](unsigned char b) { return b != kFreedByte; }))
    Report("a freed block was written to after its delete", header->size);
  HeapFree(GetProcessHeap(), 0, header->base);
}

// `size` is what a sized delete says the block holds, 0 when it does not say.
void Free(void* block, std::size_t size = 0) noexcept {
  if (!block) return;
  Header* header = static_cast<Header*>(block) - 1;
  const std::lock_guard held(quarantine.lock);
  if (header->magic != kLive) {
    // Left alone: it is not ours to give back, or it already waits in the quarantine.
    const bool twice = header->magic == kFreed;
    Report(twice ? "a block deleted twice" : "a delete of a pointer operator new never gave",
           twice ? header->size : 0);
    return;
  }
  if (size && size != header->size) Report("a block deleted as another size", header->size);
  header->magic = kFreed;
  std::memset(block, kFreedByte, header->size);
  header->next = nullptr;
  (quarantine.newest ? quarantine.newest->next : quarantine.oldest) = header;
  quarantine.newest = header;
  quarantine.bytes += header->size;
  while (quarantine.bytes > kQuarantineBytes) ReleaseOldest();
}

constexpr std::size_t Aligned(std::align_val_t alignment) {
  return static_cast<std::size_t>(alignment);
}

}  // namespace

std::size_t ReleaseFreedBlocks() {
  const std::lock_guard held(quarantine.lock);
  while (quarantine.oldest) ReleaseOldest();
  return quarantine.faults;
}

void EndOnFaults() {
  const std::lock_guard held(quarantine.lock);
  quarantine.endOnFaults = true;
}

}  // namespace kadrion::testing_support

using kadrion::testing_support::Aligned;
using kadrion::testing_support::Allocate;
using kadrion::testing_support::AllocateOrThrow;
using kadrion::testing_support::Free;
constexpr std::size_t kPlain = 0;

void* operator new(std::size_t size) {
  return AllocateOrThrow(size, kPlain);
}
void* operator new[](std::size_t size) {
  return AllocateOrThrow(size, kPlain);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size, kPlain);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size, kPlain);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
  return AllocateOrThrow(size, Aligned(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
  return AllocateOrThrow(size, Aligned(alignment));
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return Allocate(size, Aligned(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return Allocate(size, Aligned(alignment));
}

void operator delete(void* block) noexcept {
  Free(block);
}
void operator delete[](void* block) noexcept {
  Free(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
  Free(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
  Free(block);
}
void operator delete(void* block, std::size_t size) noexcept {
  Free(block, size);
}
void operator delete[](void* block, std::size_t size) noexcept {
  Free(block, size);
}
void operator delete(void* block, std::align_val_t) noexcept {
  Free(block);
}
void operator delete[](void* block, std::align_val_t) noexcept {
  Free(block);
}
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept {
  Free(block);
}
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept {
  Free(block);
}
void operator delete(void* block, std::size_t size, std::align_val_t) noexcept {
  Free(block, size);
}
void operator delete[](void* block, std::size_t size, std::align_val_t) noexcept {
  Free(block, size);
}
