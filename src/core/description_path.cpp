#include "core/description_path.h"

namespace kadrion {

std::optional<std::string> DescriptionFile(std::string_view polishTitle) {
  if (!polishTitle.empty() && (polishTitle[0] == '\\' || polishTitle[0] == '/'))
    return std::nullopt;
  if (polishTitle.find(':') != std::string_view::npos) return std::nullopt;  // drive or stream
  // No part between separators may climb out of the folder.
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = polishTitle.find_first_of("\\/", start);
    const std::string_view part = polishTitle.substr(start, end - start);
    if (part == "..") return std::nullopt;
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return "Opisy\\" + std::string(polishTitle) + ".txt";
}

}  // namespace kadrion
