#pragma once
// Where a film's description lives: "Opisy\" + Polish title + ".txt" under the program's
// folder. A "\" in a title names a subfolder, but a title can never name a file outside
// "Opisy": one with a ".." part, a drive or an absolute path has no description file.
#include <optional>
#include <string>
#include <string_view>

namespace kadrion {

// The path relative to the program's folder ("Opisy\<title>.txt", Windows-1250), or nothing.
std::optional<std::string> DescriptionFile(std::string_view polishTitle);

}  // namespace kadrion
