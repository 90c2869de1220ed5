#pragma once
// Failures are exceptions carrying the text the error box shows the user, in Polish, and the
// system's error code behind them when there is one.
#include <cstdint>
#include <exception>
#include <string>

namespace kadrion::core {

class Failure : public std::exception {
 public:
  explicit Failure(std::wstring message, std::uint32_t systemCode = 0);
  const std::wstring& Message() const { return message_; }
  // 0 when the failure did not come from the system.
  std::uint32_t SystemCode() const { return systemCode_; }
  // The message as UTF-8.
  const char* what() const noexcept override { return utf8_.c_str(); }

 private:
  std::wstring message_;
  std::string utf8_;
  std::uint32_t systemCode_;
};

}  // namespace kadrion::core
