#pragma once
// The maker's web site: where the remote link list comes from, and the captions and targets
// of the link strip r1 to r7 when the list does not name them. The one place for these values.
#include <array>
#include <string_view>

namespace kadrion::core {

inline constexpr int kLinkCount = 7;

// The remote link list; stored as the temporary folder's "kadrion.ini".
inline constexpr std::wstring_view kLinkListAddress = L"https://www.kadrion.pl/Kadrion.dat";

// Keys "1" to "7" of the list.
inline constexpr std::array<std::wstring_view, kLinkCount> kDefaultLinkCaptions = {
    L"Strona www", L"Wsparcie",     L"Płytoteka",   L"Filmy na DVD",
    L"Program TV", L"Biblioteczka", L"Kadrion Soft"};

// Keys "8" to "14": the program's page, the page on supporting the project, the page of the
// product of key "3", a partner shop with our referral number, a partner TV guide with our
// identifier, the page of the product of key "6", the maker's home page.
inline constexpr std::array<std::wstring_view, kLinkCount> kDefaultLinkTargets = {
    L"https://www.kadrion.pl/kadrion/",
    L"https://www.kadrion.pl/wsparcie/",
    L"https://www.kadrion.pl/plytoteka/",
    L"https://www.sklep-filmowy.pl/?ref=2071",
    L"https://www.program-telewizyjny.pl/?id=kadrion",
    L"https://www.kadrion.pl/biblioteczka/",
    L"https://www.kadrion.pl/"};

// Key "ww", the announcement page: by default the page of key "10".
inline constexpr std::wstring_view kDefaultAnnouncement = kDefaultLinkTargets[2];

}  // namespace kadrion::core
