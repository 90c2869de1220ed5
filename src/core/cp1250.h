#pragma once
// Windows-1250, the code page of every text the catalogue keeps, to and from UTF-8.
#include <cstddef>
#include <string>
#include <string_view>

namespace kadrion::core {

// Every byte becomes its character in UTF-8; the five bytes that Windows-1250 leaves unused
// become U+0081, U+0083, U+0088, U+0090 and U+0098, as Windows converts them.
std::string Cp1250ToUtf8(std::string_view text);
void AppendCp1250AsUtf8(std::string_view text, std::string& out);
// The bytes Cp1250ToUtf8 gives for this text.
std::size_t Cp1250AsUtf8Size(std::string_view text);

// UTF-8 text as Windows-1250 bytes, appended to `out`: every character the code page has
// becomes its byte (U+0081 and the other four unused ones included, so that bytes to UTF-8 and
// back give the same bytes), any other character and every ill-formed sequence of the UTF-8
// becomes "?". Returns how many "?" stand for something that could not be stored.
std::size_t AppendUtf8AsCp1250(std::string_view utf8, std::string& out);

struct Cp1250Text {
  std::string bytes;
  std::size_t unstorable = 0;  // characters or ill-formed sequences that became "?"
};
Cp1250Text Utf8ToCp1250(std::string_view utf8);

// Whether the whole byte run is well-formed UTF-8 (no overlong forms, no surrogates, nothing
// above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

}  // namespace kadrion::core
