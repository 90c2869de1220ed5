#pragma once
// Fetching a small file from the web into a local file. Behind an interface so that the main
// window can be given another source in tests.
#include <cstddef>
#include <string>

#include "toolkit/win.h"

namespace kadrion::toolkit {

class Downloader {
 public:
  virtual ~Downloader() = default;
  // Fetches `address` into the file `target`. True only when the whole file arrived; then
  // `target` holds it. On false `target` is left as it was (an earlier copy stays).
  virtual bool Download(const std::wstring& address, const std::wstring& target) = 0;
};

// Through WinINet (the system's proxy settings apply). A download counts only when the server
// answers 200 with a non-empty body of at most `maxBytes`, all of it (as long as its announced
// length, when it names one), within `timeLimitMs` in all. The body goes to a temporary file
// beside `target` that replaces it in one step. The caller waits at most the time limit: a
// server that stalls or trickles is left behind (its worker thread ends when the connection
// does, or with the process) and the download fails.
class WebDownloader : public Downloader {
 public:
  static constexpr DWORD kDefaultTimeLimitMs = 5000;
  static constexpr std::size_t kDefaultMaxBytes = 1 << 20;

  explicit WebDownloader(DWORD timeLimitMs = kDefaultTimeLimitMs,
                         std::size_t maxBytes = kDefaultMaxBytes)
      : timeLimitMs_(timeLimitMs), maxBytes_(maxBytes) {}
  bool Download(const std::wstring& address, const std::wstring& target) override;

 private:
  DWORD timeLimitMs_;
  std::size_t maxBytes_;
};

}  // namespace kadrion::toolkit
