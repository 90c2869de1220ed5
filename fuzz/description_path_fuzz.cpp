// Description files for any title: a path accepted, resolved as Windows resolves it, stays in
// "Opisy", names no device and holds no character Windows forbids in names; with its codes read
// back it is the title, so titles without '%' never share a file.
#include <string>
#include <string_view>

#include "core/description_path.h"
#include "fuzz_support.h"

using namespace kadrion::core;

namespace {

// Windows drops trailing dots and blanks from a name: "..", "... " and ". ." all lead upwards
// or stay put, any other name leads down.
int DepthChange(std::string_view part) {
  if (part.find_first_not_of(". ") != std::string_view::npos) return 1;
  return part.starts_with("..") ? -1 : 0;
}

constexpr std::string_view kForbidden =
    ":*?\"<>|\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C\x0D\x0E\x0F"
    "\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1A\x1B\x1C\x1D\x1E\x1F";

// The name with every "%XX" (upper-case hex) read back as the character of that code.
std::string Decoded(std::string_view name) {
  constexpr std::string_view hex = "0123456789ABCDEF";
  std::string text;
  for (std::size_t k = 0; k < name.size(); ++k) {
    const std::size_t high =
        name[k] == '%' && k + 2 < name.size() ? hex.find(name[k + 1]) : std::string_view::npos;
    const std::size_t low = high != std::string_view::npos ? hex.find(name[k + 2]) : high;
    if (low == std::string_view::npos) {
      text += name[k];
      continue;
    }
    text += static_cast<char>(high * 16 + low);
    k += 2;
  }
  return text;
}

bool IsDevice(std::string_view part) {
  std::string base(part.substr(0, part.find('.')));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  for (char& c : base)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  for (const char* device : {"CON",  "NUL",  "AUX",  "PRN",  "CONIN$", "CONOUT$", "COM1", "COM2",
                             "COM3", "COM4", "COM5", "COM6", "COM7",   "COM8",    "COM9", "LPT1",
                             "LPT2", "LPT3", "LPT4", "LPT5", "LPT6",   "LPT7",    "LPT8", "LPT9"})
    if (base == device) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view title(reinterpret_cast<const char*>(data), size);
  const auto file = DescriptionFile(title);
  if (!file) return 0;
  FUZZ_CHECK(file->starts_with("Opisy\\") && file->ends_with(".txt"));
  FUZZ_CHECK(title.find('\0') == std::string_view::npos);
  FUZZ_CHECK(!title.starts_with("\\") && !title.starts_with("/"));
  const std::string_view inside = std::string_view(*file).substr(6, file->size() - 10);
  FUZZ_CHECK(inside.find_first_of(kForbidden) == std::string_view::npos);
  if (title.find('%') == std::string_view::npos) FUZZ_CHECK(Decoded(inside) == title);
  if (title.find_first_of(kForbidden) == std::string_view::npos) FUZZ_CHECK(inside == title);

  int depth = 0;
  for (std::size_t start = 0;;) {
    const std::size_t end = inside.find_first_of("\\/", start);
    const std::string_view part = inside.substr(start, end - start);
    depth += DepthChange(part);
    FUZZ_CHECK(depth >= 0);
    FUZZ_CHECK(!IsDevice(part));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return 0;
}
