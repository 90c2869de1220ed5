// The link strip r1 to r7: the remote link list fetched at the first showing, the
// launch counter, the announcement page and the link clicks.
#include <climits>

#include "app/main_window.h"
#include "toolkit/application.h"
#include "toolkit/ini_file.h"

namespace kadrion {

namespace {
constexpr wchar_t kSection[] = L"inne";
constexpr wchar_t kCounterKey[] = L"1";
}  // namespace

void TMainWindow::ShowLinks() {
  // 1-2. The temporary folder and the number of starts so far with a downloaded list.
  launchCounter_ =
      toolkit::IniFile(paths_.LaunchCounterPath()).ReadInteger(kSection, kCounterKey, 0);
  // 3. The list; a failed download leaves an earlier copy as it was.
  const bool downloaded =
      linkSource_ && linkSource_->Download(std::wstring(kLinkListAddress), paths_.LinkListPath());
  // 4. Captions and targets from the list, whether just downloaded, earlier or absent.
  const toolkit::IniFile listFile(paths_.LinkListPath());
  const LinkList list = ReadLinkList([&](const std::wstring& key, const std::wstring& fallback) {
    return listFile.ReadString(kSection, key, fallback);
  });
  linkTargets_ = list.targets;
  announcement_ = list.announcement;
  // 5. The labels size themselves to their captions, then move after one another.
  const auto labels = LinkLabels();
  std::array<int, kLinkCount> widths{}, lefts{};
  for (int k = 0; k < kLinkCount; ++k) {
    labels[k]->SetCaption(list.captions[k]);
    const RECT bounds = labels[k]->Bounds();
    widths[k] = bounds.right - bounds.left;
    lefts[k] = bounds.left;
  }
  const auto placed = LayOutLinks(list.captions, widths, lefts);
  for (int k = 0; k < kLinkCount; ++k) {
    const RECT bounds = labels[k]->Bounds();
    labels[k]->SetBounds(placed[k], bounds.top, widths[k], bounds.bottom - bounds.top);
  }
  // 6-7. The announcement on the first three starts with a download; count this one.
  if (!downloaded) return;
  if (launchCounter_ < 3) OpenWebPage(announcement_);
  if (launchCounter_ < INT_MAX) ++launchCounter_;  // a hand-edited count must not overflow
}

void TMainWindow::SaveLaunchCounter() {
  toolkit::IniFile(paths_.LaunchCounterPath()).WriteInteger(kSection, kCounterKey, launchCounter_);
}

void TMainWindow::OpenWebPage(const std::wstring& address) {
  // A list from the network could name a program, a path or a file: address: those stay shut.
  if (IsWebAddress(address)) toolkit::Application::Instance().shell().Open(address, true);
}

// clang-format off
void TMainWindow::r1Click() { OpenWebPage(linkTargets_[0]); }
void TMainWindow::r2Click() { OpenWebPage(linkTargets_[1]); }
void TMainWindow::r3Click() { OpenWebPage(linkTargets_[2]); }
void TMainWindow::r4Click() { OpenWebPage(linkTargets_[3]); }
void TMainWindow::r5Click() { OpenWebPage(linkTargets_[4]); }
void TMainWindow::r6Click() { OpenWebPage(linkTargets_[5]); }
void TMainWindow::r7Click() { OpenWebPage(linkTargets_[6]); }
// clang-format on

}  // namespace kadrion
