#pragma once
// The link strip r1 to r7: what the remote link list sets, where the labels go, and which
// addresses may be handed to the shell.
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "core/maker_site.h"

namespace kadrion::core {

// Design left positions of r1 to r7 on the strip, in pixels.
inline constexpr std::array<int, kLinkCount> kLinkDesignLefts = {5, 88, 192, 280, 368, 456, 544};
// Pixels between a label and the next one when both have captions.
inline constexpr int kLinkGap = 15;

struct LinkList {
  std::array<std::wstring, kLinkCount> captions;
  std::array<std::wstring, kLinkCount> targets;
  std::wstring announcement;
};

// Reads one key of section "inne" of the link list; a missing key gives `fallback`, a key
// present with an empty value gives the empty text.
using LinkListReader =
    std::function<std::wstring(const std::wstring& key, const std::wstring& fallback)>;

// Captions from keys "1" to "7", targets from "8" to "14", the announcement page from "ww",
// each with the maker's default when the key is missing.
LinkList ReadLinkList(const LinkListReader& read);

// Left positions of the seven labels: for k = 1..6, when caption k is not empty, label k+1
// goes to the left of r1 + the widths of labels 1..k + 15 x k; a label after an empty caption
// keeps its design position. `lefts` are the current (design) positions, `widths` the labels'
// widths as sized to their captions.
std::array<int, kLinkCount> LayOutLinks(
    const std::array<std::wstring, kLinkCount>& captions, const std::array<int, kLinkCount>& widths,
    const std::array<int, kLinkCount>& lefts = kLinkDesignLefts);

// True for an "http://" or "https://" address (scheme in any case) with a host and no blanks
// or control characters: the only kind the link strip and the announcement page open. A list
// from the network could otherwise name a program, a local or network path or a file: address.
bool IsWebAddress(std::wstring_view address);

}  // namespace kadrion::core
