#include "local_http_server.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <stdexcept>

namespace kadrion::testing_support {

namespace {

void StartWinsock() {
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  if (!started) throw std::runtime_error("no winsock");
}

// A socket listening on 127.0.0.1 at an ephemeral port.
SOCKET Listen(int& port) {
  StartWinsock();
  const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  int size = sizeof(address);
  if (s == INVALID_SOCKET || bind(s, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
      listen(s, 8) != 0 || getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) != 0)
    throw std::runtime_error("cannot listen on 127.0.0.1");
  port = ntohs(address.sin_port);
  return s;
}

// Waits up to 50 ms for `s` to be readable.
bool Readable(SOCKET s) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(s, &set);
  timeval wait{0, 50000};
  return select(0, &set, nullptr, nullptr, &wait) > 0;
}

}  // namespace

LocalHttpServer::LocalHttpServer() : listener_(Listen(port_)), thread_([this] { Serve(); }) {}

LocalHttpServer::~LocalHttpServer() {
  stop_ = true;
  thread_.join();
  closesocket(listener_);
}

std::string LocalHttpServer::Response(int status, const std::string& body) {
  return "HTTP/1.1 " + std::to_string(status) +
         " X\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
         "\r\nConnection: close\r\n\r\n" + body;
}

void LocalHttpServer::Answer(std::string raw) {
  std::lock_guard lock(mutex_);
  mode_ = Mode::Answer;
  raw_ = std::move(raw);
}

void LocalHttpServer::Stall() {
  std::lock_guard lock(mutex_);
  mode_ = Mode::Stall;
}

void LocalHttpServer::Trickle() {
  std::lock_guard lock(mutex_);
  mode_ = Mode::Trickle;
}

std::wstring LocalHttpServer::Address(const std::wstring& path) const {
  return L"http://127.0.0.1:" + std::to_wstring(port_) + path;
}

int LocalHttpServer::UnusedPort() {
  int port = 0;
  closesocket(Listen(port));
  return port;
}

void LocalHttpServer::Serve() {
  while (!stop_) {
    if (!Readable(listener_)) continue;
    const SOCKET connection = accept(listener_, nullptr, nullptr);
    if (connection == INVALID_SOCKET) continue;
    Handle(connection);
    closesocket(connection);
  }
}

void LocalHttpServer::Handle(std::uintptr_t connection) {
  // The request: everything up to the blank line after the headers.
  std::string request;
  char buffer[4096];
  while (!stop_ && request.find("\r\n\r\n") == std::string::npos) {
    if (!Readable(connection)) continue;
    const int got = recv(connection, buffer, sizeof(buffer), 0);
    if (got <= 0) return;
    request.append(buffer, got);
  }
  ++requests_;
  Mode mode;
  std::string raw;
  {
    std::lock_guard lock(mutex_);
    mode = mode_;
    raw = raw_;
  }
  switch (mode) {
    case Mode::Answer:
      send(connection, raw.data(), static_cast<int>(raw.size()), 0);
      shutdown(connection, SD_SEND);
      break;
    case Mode::Stall:
      while (!stop_) Sleep(20);
      break;
    case Mode::Trickle: {
      const std::string head =
          "HTTP/1.1 200 OK\r\nContent-Length: 100000\r\nConnection: close\r\n\r\n[";
      send(connection, head.data(), static_cast<int>(head.size()), 0);
      while (!stop_) {
        Sleep(100);
        if (send(connection, "x", 1, 0) != 1) break;
      }
      break;
    }
  }
}

}  // namespace kadrion::testing_support
