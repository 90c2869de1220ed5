#pragma once
// Long work that runs off the window's thread tells how far it got and learns whether to go on.
#include <atomic>
#include <cstddef>

namespace kadrion::core {

class WorkProgress {
 public:
  // `done` of `total` units (lines, bytes, files); total 0 when not known. False: stop now,
  // the work's result will not be used.
  virtual bool Continue(std::size_t done, std::size_t total) = 0;

 protected:
  ~WorkProgress() = default;
};

// Progress nobody watches: the work always goes on.
class NoProgress final : public WorkProgress {
 public:
  bool Continue(std::size_t, std::size_t) override { return true; }
};

// What a progress window reads from another thread while the work writes it.
class SharedProgress final : public WorkProgress {
 public:
  bool Continue(std::size_t done, std::size_t total) override {
    done_.store(done, std::memory_order_relaxed);
    total_.store(total, std::memory_order_relaxed);
    return !cancelled_.load(std::memory_order_relaxed);
  }
  void Cancel() { cancelled_.store(true, std::memory_order_relaxed); }
  bool Cancelled() const { return cancelled_.load(std::memory_order_relaxed); }
  std::size_t Done() const { return done_.load(std::memory_order_relaxed); }
  std::size_t Total() const { return total_.load(std::memory_order_relaxed); }

 private:
  std::atomic<std::size_t> done_{0};
  std::atomic<std::size_t> total_{0};
  std::atomic<bool> cancelled_{false};
};

}  // namespace kadrion::core
