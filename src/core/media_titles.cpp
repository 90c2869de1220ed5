#include "core/media_titles.h"

namespace kadrion::core {

namespace {

// Every "\" splits, quotation marks included: a folder like "Ocean's Eleven" is a name like any
// other and must not swallow the words after it.
std::string_view LastFolderPart(std::string_view folder) {
  while (!folder.empty() && folder.back() == '\\') folder.remove_suffix(1);
  const std::size_t cut = folder.rfind('\\');
  return cut == std::string_view::npos ? folder : folder.substr(cut + 1);
}

}  // namespace

MediaTitles TitlesFromPath(std::string_view path, PolishTitleFrom polish) {
  const std::size_t slash = path.rfind('\\');
  const std::string_view fileName = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::string_view folder =
      slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
  const std::string_view bareName = fileName.substr(0, fileName.rfind('.'));
  return {std::string(polish == PolishTitleFrom::FileName ? bareName : LastFolderPart(folder)),
          std::string(bareName)};
}

}  // namespace kadrion::core
