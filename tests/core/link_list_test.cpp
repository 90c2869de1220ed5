#include "core/link_list.h"

#include <gtest/gtest.h>

#include <map>

namespace kadrion::core {
namespace {

LinkList FromKeys(const std::map<std::wstring, std::wstring>& keys) {
  return ReadLinkList([&](const std::wstring& key, const std::wstring& fallback) {
    const auto found = keys.find(key);
    return found == keys.end() ? fallback : found->second;
  });
}

TEST(LinkList, CaptionsComeFromKeys1To7TargetsFrom8To14AndTheAnnouncementFromWw) {
  const LinkList list = FromKeys({{L"1", L"Jeden"},
                                  {L"3", L""},
                                  {L"7", L"Siedem"},
                                  {L"8", L"http://a/"},
                                  {L"14", L"http://g/"},
                                  {L"10", L"http://c/"},
                                  {L"ww", L"http://nowosci/"}});
  EXPECT_EQ(list.captions[0], L"Jeden");
  EXPECT_EQ(list.captions[1], L"Wsparcie");
  EXPECT_EQ(list.captions[2], L"") << "a key present but empty stays empty";
  EXPECT_EQ(list.captions[6], L"Siedem");
  EXPECT_EQ(list.targets[0], L"http://a/");
  EXPECT_EQ(list.targets[1], kDefaultLinkTargets[1]);
  EXPECT_EQ(list.targets[2], L"http://c/");
  EXPECT_EQ(list.targets[6], L"http://g/");
  EXPECT_EQ(list.announcement, L"http://nowosci/");
  EXPECT_EQ(FromKeys({{L"10", L"http://c/"}}).announcement, kDefaultAnnouncement)
      << "without \"ww\" the built-in page, not the list's key \"10\"";
}

using Captions = std::array<std::wstring, kLinkCount>;
using Positions = std::array<int, kLinkCount>;

TEST(LinkLayout, ALabelFollowsThePreviousOneWithA15PixelGapUnlessThatOneIsEmpty) {
  const Captions all = {L"a", L"b", L"c", L"d", L"e", L"f", L"g"};
  const Captions thirdEmpty = {L"a", L"b", L"", L"d", L"e", L"f", L"g"};
  const struct {
    Captions captions;
    Positions widths;
    Positions lefts;
    Positions placed;
  } cases[] = {
      {all, {60, 50, 40, 70, 30, 80, 20}, kLinkDesignLefts, {5, 80, 145, 200, 285, 330, 425}},
      {all, {160, 50, 40, 70, 30, 80, 20}, kLinkDesignLefts, {5, 180, 245, 300, 385, 430, 525}},
      // r4 after an empty r3 keeps its design place; r5 counts all widths and gaps before it.
      {thirdEmpty, {60, 50, 0, 70, 30, 80, 20}, kLinkDesignLefts, {5, 80, 145, 280, 245, 290, 385}},
      {all, {9, 9, 9, 9, 9, 9, 9}, {100}, {100, 124, 148, 172, 196, 220, 244}},  // from r1's left
      {Captions{}, {}, kLinkDesignLefts, kLinkDesignLefts},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LayOutLinks(c.captions, c.widths, c.lefts), c.placed) << "case " << &c - cases;
}

TEST(WebAddress, OnlyHttpAndHttpsAddressesAreOpened) {
  const struct {
    const wchar_t* address;
    bool accepted;
  } cases[] = {
      {L"http://www.kadrion.pl/", true},
      {L"https://www.kadrion.pl/kadrion/", true},
      {L"HTTPS://WWW.KADRION.PL", true},
      {L"hTtP://host", true},
      {L"https://www.sklep-filmowy.pl/?ref=2071", true},
      {L"https://127.0.0.1:8080/x?a=b#c", true},
      {L"https://księgarnia.pl/", true},
      {L"", false},
      {L" ", false},
      {L"http://", false},
      {L"http://?x", false},
      {L"https://www\xFEFF.kadrion.pl/", false},  // a byte-order mark inside
      {L"https://", false},
      {L"http:///etc/passwd", false},
      {L"http:\\\\server\\share\\x.exe", false},
      {L"http://\\\\server\\share\\x.exe", false},
      {L"https://\\server", false},
      {L"file:///C:/Windows/System32/calc.exe", false},
      {L"FILE://server/share/x.exe", false},
      {L"C:\\Windows\\System32\\calc.exe", false},
      {L"\\\\server\\share\\x.exe", false},
      {L"calc.exe", false},
      {L"calc", false},
      {L"javascript:alert(1)", false},
      {L"mailto:a@b.pl", false},
      {L"ftp://host/", false},
      {L"www.kadrion.pl", false},
      {L" https://www.kadrion.pl/", false},
      {L"https://www.kadrion.pl/ calc.exe", false},
      {L"https://www.kadrion.pl/\tx", false},
      {L"https://www.kadrion.pl/\r\nx", false},
      {L"https://www.kadrion.pl/\x7f", false},
      {L"https://www.kadrion.pl/\x80", false},  // C1 control characters
      {L"https://www.kadrion.pl/\x9f", false},
      {L"https://www.kadrion.pl/\xa1", true},
      {L"https\x01://www.kadrion.pl/", false},
      {L"httpx://host", false},
      {L"http:/host", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsWebAddress(c.address), c.accepted) << c.address;
  for (const std::wstring_view target : kDefaultLinkTargets) EXPECT_TRUE(IsWebAddress(target));
}

}  // namespace
}  // namespace kadrion::core
