#include "features/app_paths.h"

#include "core/description_path.h"
#include "core/html_list.h"
#include "toolkit/text.h"

namespace kadrion::features {

std::wstring AppPaths::HtmlListPath() const {
  return programFolder + toolkit::FromCp1250(core::kHtmlListFile);
}

std::optional<std::wstring> AppPaths::DescriptionPath(std::string_view polishTitle) const {
  const auto file = core::DescriptionFile(polishTitle);
  if (!file) return std::nullopt;
  return programFolder + toolkit::FromCp1250(*file);
}

}  // namespace kadrion::features
