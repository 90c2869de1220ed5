#include "core/description_path.h"

namespace kadrion::core {

namespace {

constexpr std::size_t npos = std::string_view::npos;

bool SameAsciiName(std::string_view text, std::string_view upperName) {
  if (text.size() != upperName.size()) return false;
  for (std::size_t k = 0; k < text.size(); ++k) {
    const char c =
        text[k] >= 'a' && text[k] <= 'z' ? static_cast<char>(text[k] - 'a' + 'A') : text[k];
    if (c != upperName[k]) return false;
  }
  return true;
}

// Windows trims trailing dots and blanks from a name, so ".. " and "..." can climb like "..".
bool IsParentPart(std::string_view part) {
  return part.substr(0, 2) == ".." && part.find_first_not_of(". ") == npos;
}

// Windows 10 and earlier open a device for its name in any folder, whatever ending follows the
// first dot and whatever blanks close the name: "Opisy\CON.txt" is the console, and so is
// "Opisy\con .txt".
bool IsDeviceName(std::string_view part) {
  std::string_view base = part.substr(0, part.find('.'));
  base = base.substr(0, base.find_last_not_of(' ') + 1);
  for (const std::string_view device : {"CON", "NUL", "AUX", "PRN", "CONIN$", "CONOUT$"})
    if (SameAsciiName(base, device)) return true;
  if (base.size() != 4 || base[3] < '1' || base[3] > '9') return false;
  return SameAsciiName(base.substr(0, 3), "COM") || SameAsciiName(base.substr(0, 3), "LPT");
}

}  // namespace

std::optional<std::string> DescriptionFile(std::string_view polishTitle) {
  if (!polishTitle.empty() && (polishTitle[0] == '\\' || polishTitle[0] == '/'))
    return std::nullopt;
  if (polishTitle.find(':') != npos) return std::nullopt;  // drive or stream
  // Windows allows none of these in a file name (and "*?<>\"" are patterns to some of its
  // functions): saying so about the title is clearer than the system's word on the name's
  // syntax. A NUL would end the path short of the checks below.
  for (const char c : polishTitle)
    if (static_cast<unsigned char>(c) < 0x20 || std::string_view("<>\"|?*").find(c) != npos)
      return std::nullopt;
  // No part between separators may climb out of the folder or name a device.
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = polishTitle.find_first_of("\\/", start);
    const std::string_view part = polishTitle.substr(start, end - start);
    if (IsParentPart(part) || IsDeviceName(part)) return std::nullopt;
    if (end == npos) break;
    start = end + 1;
  }
  return "Opisy\\" + std::string(polishTitle) + ".txt";
}

}  // namespace kadrion::core
