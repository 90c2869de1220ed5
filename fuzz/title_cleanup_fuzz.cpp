// The title clean-up and the titles of a media file's path, for any text: a cleaned title is
// one line and never longer than its text; the titles of a path are parts of it without "\",
// the original title the start of the file name, and cleaning them is the title clean-up.
#include <string_view>

#include "core/media_titles.h"
#include "core/title_cleanup.h"
#include "fuzz_support.h"

using namespace kadrion::core;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const bool polishFromFileName = input.ConsumeBool();
  const std::string text = input.ConsumeRemainingBytesAsString();

  const std::string clean = CleanTitle(text);
  FUZZ_CHECK(clean.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);
  FUZZ_CHECK(clean.size() <= text.size());

  const MediaTitles raw = TitlesFromPath(text, polishFromFileName);
  const std::string_view fileName = std::string_view(text).substr(text.rfind('\\') + 1);
  FUZZ_CHECK(raw.original.find('\\') == std::string::npos);
  FUZZ_CHECK(raw.polish.find('\\') == std::string::npos);
  FUZZ_CHECK(fileName.starts_with(raw.original));
  FUZZ_CHECK(text.find(raw.polish) != std::string::npos);
  if (polishFromFileName) FUZZ_CHECK(raw.polish == raw.original);
  return 0;
}
