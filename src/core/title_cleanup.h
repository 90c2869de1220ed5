#pragma once
// Cleaning a title taken from a media file's name or folder, or typed into the search edit.
// A fixed table of release tags (dubbing marks, rip and codec names, years, disc numbers,
// endings, brackets, runs of blanks) is cut out, row by row and byte for byte; then "}", "/",
// "{", "#", "_" and "." among the first 493 characters become blanks, the text ends at its
// first line break, blanks at both ends go, and one pair of matching quotation marks (" or ')
// around what is left goes too. Blanks inside are not collapsed again: "Mr. Bean" gives
// "Mr  Bean". Texts are Windows-1250 bytes.
#include <string>
#include <string_view>

namespace kadrion::core {

// The release-site tags of the table, each cut out bare or in brackets.
inline constexpr std::string_view kSiteTag1 = "Kadrak.org";    // 10 characters
inline constexpr std::string_view kSiteTag2 = "PlikoKino.pl";  // 12 characters
inline constexpr std::string_view kSiteTag3 = "Szpulek.net";   // 11 characters

// The cleaned title; the same for the search edit, the Polish title and the original title.
std::string CleanTitle(std::string_view text);

}  // namespace kadrion::core
