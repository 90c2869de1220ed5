#pragma once
// File texts are Windows-1250 bytes; the windows speak UTF-16. These convert between the two
// with code page 1250 explicitly, whatever the system's ANSI code page is.
#include <string>
#include <string_view>

namespace toolkit {

std::wstring FromCp1250(std::string_view bytes);
// Characters that code page 1250 cannot hold become the system's nearest letter ("è" gives
// "e") or '?'; `replaced`, when given, tells whether any did.
std::string ToCp1250(std::wstring_view text, bool* replaced = nullptr);
// Converts into a fixed buffer (always terminated, cut to fit); for list-view text callbacks.
void FromCp1250Into(std::string_view bytes, wchar_t* buffer, int capacity);

std::wstring FromUtf8(std::string_view text);

}  // namespace toolkit
