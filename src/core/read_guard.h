#pragma once
// A file the program reads when it starts and writes back later (the settings, the notes).
// One that is there but could not be read whole, because another program held it, say, is
// never written over: the program has only defaults or nothing in its place, and writing those
// would lose what the file holds. A file that is not there counts as read.
#include <utility>

namespace kadrion::core {

class ReadGuard {
 public:
  // Reads the file through `read` unless it was read already. `read` raises an error when the
  // file cannot be read whole; the error goes on to the caller and the file stays unread, to be
  // read again next time.
  template <typename Reader>
  void Read(Reader&& read) {
    if (read_) return;
    std::forward<Reader>(read)();
    read_ = true;
  }
  // For a reader that tells rather than raises: the file was read whole, or is not there.
  void MarkRead() { read_ = true; }
  bool WasRead() const { return read_; }

  // Writes the file through `write` when it was read; otherwise leaves it as it is.
  template <typename Writer>
  void Write(Writer&& write) const {
    if (read_) std::forward<Writer>(write)();
  }

 private:
  bool read_ = false;
};

}  // namespace kadrion::core
