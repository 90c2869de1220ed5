#include "core/link_list.h"

namespace kadrion::core {

LinkList ReadLinkList(const LinkListReader& read) {
  LinkList list;
  for (int k = 0; k < kLinkCount; ++k) {
    list.captions[k] = read(std::to_wstring(k + 1), std::wstring(kDefaultLinkCaptions[k]));
    list.targets[k] =
        read(std::to_wstring(k + 1 + kLinkCount), std::wstring(kDefaultLinkTargets[k]));
  }
  list.announcement = read(L"ww", std::wstring(kDefaultAnnouncement));
  return list;
}

std::array<int, kLinkCount> LayOutLinks(const std::array<std::wstring, kLinkCount>& captions,
                                        const std::array<int, kLinkCount>& widths,
                                        const std::array<int, kLinkCount>& lefts) {
  std::array<int, kLinkCount> placed = lefts;
  int widthsSoFar = 0;
  for (int k = 1; k < kLinkCount; ++k) {
    widthsSoFar += widths[k - 1];
    if (!captions[k - 1].empty()) placed[k] = lefts[0] + widthsSoFar + kLinkGap * k;
  }
  return placed;
}

namespace {
bool StartsWithNoCase(std::wstring_view text, std::wstring_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t k = 0; k < prefix.size(); ++k) {
    wchar_t c = text[k];
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    if (c != prefix[k]) return false;
  }
  return true;
}
}  // namespace

bool IsWebAddress(std::wstring_view address) {
  std::wstring_view rest;
  if (StartsWithNoCase(address, L"http://"))
    rest = address.substr(7);
  else if (StartsWithNoCase(address, L"https://"))
    rest = address.substr(8);
  else
    return false;
  // A host must follow: not empty, not another slash or a backslash.
  if (rest.empty() || rest[0] == L'/' || rest[0] == L'\\' || rest[0] == L'?' || rest[0] == L'#')
    return false;
  for (const wchar_t c : address)
    if (c <= L' ' || c == 0x7F || (c >= 0x80 && c <= 0x9F) || c == 0xA0 || c == 0x2028 ||
        c == 0x2029 || c == 0xFEFF)
      return false;
  return true;
}

}  // namespace kadrion::core
