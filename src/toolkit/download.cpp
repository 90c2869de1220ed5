// WinINet lives in this file alone: <wininet.h> and <winhttp.h> cannot share a source file.
#include "toolkit/download.h"

#include <wininet.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "toolkit/error.h"
#include "toolkit/files.h"

namespace kadrion::toolkit {

namespace {

struct InternetTraits {
  using Type = HINTERNET;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { InternetCloseHandle(h); }
};
using InternetHandle = UniqueHandle<InternetTraits>;

// One download, shared by the caller and the worker thread: the caller reads the result only
// after the worker has ended, and leaves the job to the worker when it takes too long.
struct Job {
  std::wstring address;
  DWORD timeLimitMs;
  std::size_t maxBytes;
  bool succeeded = false;
  std::vector<std::uint8_t> body;
};

bool Fetch(Job& job) {
  const InternetHandle session(
      InternetOpenW(L"Kadrion/1.1", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) return false;
  // Honoured by Windows; the caller's overall wait is what bounds the download under Wine.
  for (const DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                             INTERNET_OPTION_RECEIVE_TIMEOUT}) {
    DWORD value = job.timeLimitMs;
    InternetSetOptionW(session.Get(), option, &value, sizeof(value));
  }
  constexpr DWORD kFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                           INTERNET_FLAG_PRAGMA_NOCACHE | INTERNET_FLAG_NO_UI |
                           INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_AUTH;
  const InternetHandle request(
      InternetOpenUrlW(session.Get(), job.address.c_str(), nullptr, 0, kFlags, 0));
  if (!request) return false;

  DWORD status = 0, size = sizeof(status);
  if (!HttpQueryInfoW(request.Get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status,
                      &size, nullptr) ||
      status != 200)
    return false;
  DWORD announced = 0;
  size = sizeof(announced);
  const bool hasLength =
      HttpQueryInfoW(request.Get(), HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &announced,
                     &size, nullptr) != FALSE;
  if (hasLength && (announced == 0 || announced > job.maxBytes)) return false;

  std::uint8_t buffer[8192];
  for (;;) {
    DWORD read = 0;
    if (!InternetReadFile(request.Get(), buffer, sizeof(buffer), &read)) return false;
    if (read == 0) break;
    job.body.insert(job.body.end(), buffer, buffer + read);
    if (job.body.size() > job.maxBytes) return false;
  }
  return !job.body.empty() && (!hasLength || job.body.size() == announced);
}

DWORD WINAPI Worker(void* param) {
  const std::unique_ptr<std::shared_ptr<Job>> owned(static_cast<std::shared_ptr<Job>*>(param));
  Job& job = **owned;
  job.succeeded = Fetch(job);
  if (!job.succeeded) job.body.clear();
  return 0;
}

}  // namespace

bool WebDownloader::Download(const std::wstring& address, const std::wstring& target) {
  auto job = std::make_shared<Job>();
  job->address = address;
  job->timeLimitMs = timeLimitMs_;
  job->maxBytes = maxBytes_;

  auto* handOver = new std::shared_ptr<Job>(job);
  const KernelHandle worker(CreateThread(nullptr, 0, Worker, handOver, 0, nullptr));
  if (!worker) {
    delete handOver;
    return false;
  }
  // Past the limit the worker is left to finish on its own; its result is never looked at.
  if (WaitForSingleObject(worker.Get(), timeLimitMs_) != WAIT_OBJECT_0) return false;
  if (!job->succeeded) return false;

  try {
    WriteWholeFile(target, {reinterpret_cast<const char*>(job->body.data()), job->body.size()});
  } catch (const kadrion::core::Failure&) {
    return false;
  }
  return true;
}

}  // namespace kadrion::toolkit
