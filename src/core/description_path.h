#pragma once
// Where a film's description lives: "Opisy\" + Polish title + ".txt" under the program's
// folder. A "\" in a title names a subfolder, but a title can never name a file outside
// "Opisy" nor a device: one with a ".." part (also ".. " or "...", which Windows trims to
// ".."), a drive or a stream (":"), an absolute path, a character Windows forbids in file names
// ('<', '>', '"', '|', '?', '*', control characters and NUL), or a part that Windows reads as
// a device ("CON", "NUL", "AUX", "PRN", "COM1"-"COM9", "LPT1"-"LPT9", "CONIN$", "CONOUT$" in
// any case, also with an ending or trailing blanks, as in "con.txt" or "NUL ") has no
// description file.
#include <optional>
#include <string>
#include <string_view>

namespace kadrion::core {

// The path relative to the program's folder ("Opisy\<title>.txt", Windows-1250), or nothing.
std::optional<std::string> DescriptionFile(std::string_view polishTitle);

}  // namespace kadrion::core
