#pragma once
// Where a film's description lives: "Opisy\" + Polish title + ".txt" under the program's
// folder. A "\" or "/" in a title names a subfolder. A character Windows forbids in file names
// (':', '*', '?', '"', '<', '>', '|' and the control characters 0x01-0x1F) is written as '%'
// and its code in two upper-case hex digits ("Gwiezdne wojny%3A Nowa nadzieja.txt"); '%' stays
// as it is, so a title that holds "%3A" shares its file with the one holding ':' there. A title
// can never name a file outside "Opisy" nor a device: one with a ".." part (also ".. " or
// "...", which Windows trims to ".."), an absolute path, a NUL, or a part that Windows reads as
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
