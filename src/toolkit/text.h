#pragma once
// File texts are Windows-1250 bytes; the windows speak UTF-16. These convert between the two
// with code page 1250 explicitly, whatever the system's ANSI code page is.
#include <string>
#include <string_view>

namespace kadrion::toolkit {

std::wstring FromCp1250(std::string_view bytes);
// Characters that code page 1250 cannot hold become the system's nearest letter ("è" gives
// "e") or '?'; `replaced`, when given, tells whether any did.
std::string ToCp1250(std::wstring_view text, bool* replaced = nullptr);
// Converts into a fixed buffer (always terminated, cut to fit); for list-view text callbacks.
void FromCp1250Into(std::string_view bytes, wchar_t* buffer, int capacity);

// The characters of `text` that code page 1250 cannot hold, for a message: each once, in the
// order they first come, separated by commas; invisible ones (spaces, controls, format marks)
// by their code, "U+2009". Empty when the code page holds the whole text.
std::wstring CharactersOutsideCp1250(std::wstring_view text);
// `text` in code page 1250 with "?" for each character the code page cannot hold (never a
// nearest letter: what comes back is what the user agreed to).
std::string ToCp1250OrQuestionMarks(std::wstring_view text);

// `text` as one line of an edit field: each tab or line break (CR LF, CR or LF) becomes a
// space, and the blanks at either end go.
std::wstring OneLine(std::wstring_view text);

std::wstring FromUtf8(std::string_view text);

}  // namespace kadrion::toolkit
