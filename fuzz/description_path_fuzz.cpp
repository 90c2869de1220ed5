// Description files for any title: a path accepted, resolved as Windows resolves it, stays in
// "Opisy" and names no device.
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
  FUZZ_CHECK(*file == "Opisy\\" + std::string(title) + ".txt");
  FUZZ_CHECK(title.find_first_of(std::string_view(":\0", 2)) == std::string_view::npos);
  FUZZ_CHECK(!title.starts_with("\\") && !title.starts_with("/"));

  const std::string_view inside = std::string_view(*file).substr(6);
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
