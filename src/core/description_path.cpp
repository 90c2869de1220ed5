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
  // A NUL would end the path short of what the checks below saw.
  if (polishTitle.find('\0') != npos) return std::nullopt;
  // What Windows forbids in a file name is written as its code: ':' as "%3A". '%' itself
  // stays, so a title without forbidden characters keeps the name it always had.
  std::string name;
  for (const char c : polishTitle) {
    if (static_cast<unsigned char>(c) >= 0x20 && std::string_view(":*?\"<>|").find(c) == npos) {
      name += c;
      continue;
    }
    constexpr char kHex[] = "0123456789ABCDEF";
    name += {'%', kHex[static_cast<unsigned char>(c) >> 4], kHex[c & 0xF]};
  }
  // No part between separators may climb out of the folder or name a device.
  const std::string_view path = name;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = path.find_first_of("\\/", start);
    const std::string_view part = path.substr(start, end - start);
    if (IsParentPart(part) || IsDeviceName(part)) return std::nullopt;
    if (end == npos) break;
    start = end + 1;
  }
  return "Opisy\\" + name + ".txt";
}

}  // namespace kadrion::core
