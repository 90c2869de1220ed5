#pragma once
// A small HTTP server on 127.0.0.1 (an ephemeral port) for tests of real downloads. It serves
// one connection at a time on a thread of its own, in one of three ways, until destroyed.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

namespace kadrion::testing_support {

class LocalHttpServer {
 public:
  LocalHttpServer();
  ~LocalHttpServer();
  LocalHttpServer(const LocalHttpServer&) = delete;
  LocalHttpServer& operator=(const LocalHttpServer&) = delete;

  // A whole response with Content-Length and "Connection: close".
  static std::string Response(int status, const std::string& body);
  // Every request gets these raw bytes; then the connection closes.
  void Answer(std::string raw);
  // Reads the request and never answers while the server lives.
  void Stall();
  // Answers 200 with a long announced body and sends one byte of it every 100 ms.
  void Trickle();

  std::wstring Address(const std::wstring& path = L"/Kadrion.dat") const;
  int Port() const { return port_; }
  int Requests() const { return requests_; }
  // A port on 127.0.0.1 where nothing listens.
  static int UnusedPort();

 private:
  enum class Mode { Answer, Stall, Trickle };
  void Serve();
  void Handle(std::uintptr_t connection);

  int port_ = 0;
  std::uintptr_t listener_;  // a SOCKET
  std::mutex mutex_;
  Mode mode_ = Mode::Answer;
  std::string raw_;
  std::atomic<bool> stop_{false};
  std::atomic<int> requests_{0};
  std::thread thread_;
};

}  // namespace kadrion::testing_support
