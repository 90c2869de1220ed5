// Line breaks of any text: every break becomes CR LF, nothing else changes, and text that
// already has CR LF breaks stays as it is.
#include <string_view>

#include "core/line_breaks.h"
#include "fuzz_support.h"

using namespace kadrion::core;

namespace {

// The text with each break, whatever its kind, as one LF.
std::string Breaks(std::string_view text) {
  std::string result;
  for (std::size_t k = 0; k < text.size(); ++k) {
    if (text[k] == '\r' && k + 1 < text.size() && text[k + 1] == '\n') continue;
    result += text[k] == '\r' ? '\n' : text[k];
  }
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string result = WithCrLf(text);
  for (std::size_t k = 0; k < result.size(); ++k) {
    if (result[k] == '\r') FUZZ_CHECK(k + 1 < result.size() && result[k + 1] == '\n');
    if (result[k] == '\n') FUZZ_CHECK(k > 0 && result[k - 1] == '\r');
  }
  FUZZ_CHECK(Breaks(result) == Breaks(text));
  FUZZ_CHECK(WithCrLf(result) == result);
  return 0;
}
