#include "features/links/link_strip.h"

#include <climits>
#include <memory>

#include "core/maker_site.h"
#include "toolkit/dpi.h"
#include "toolkit/ini_file.h"

namespace kadrion::features {

namespace {
constexpr wchar_t kSection[] = L"inne";
constexpr wchar_t kCounterKey[] = L"1";
constexpr COLORREF kBlue = RGB(0, 0, 255);
}  // namespace

LinkStrip::LinkStrip(Labels& labels, toolkit::Shell& shell, toolkit::Downloader* source,
                     const AppPaths& paths)
    : labels_(labels), shell_(shell), source_(source), paths_(paths) {}

void LinkStrip::Create(toolkit::Container& strip, const std::array<int, core::kLinkCount>& ids) {
  const auto font = std::make_shared<const toolkit::Font>(toolkit::FontInfo{
      L"MS Sans Serif", 10, toolkit::fsBold | toolkit::fsUnderline, DEFAULT_CHARSET, kBlue});
  // Only the first two have captions at design; the link list gives all seven when shown.
  for (int k = 0; k < core::kLinkCount; ++k) {
    toolkit::Label& label = labels_[static_cast<std::size_t>(k)];
    const std::wstring caption = k < 2 ? std::wstring(core::kDefaultLinkCaptions[k]) : L"";
    label.SetFont(font);
    label.SetHoverCursor(IDC_HAND);
    label.Create(strip, ids[static_cast<std::size_t>(k)], caption,
                 toolkit::ScaledRect(core::kLinkDesignLefts[k], 1, 0, 0),
                 toolkit::LabelSize::FitCaption);
    label.onClick = [this, k] { Open(k); };
  }
}

void LinkStrip::Refresh() {
  // The number of starts so far with a downloaded list.
  launchCounter_ =
      toolkit::IniFile(paths_.LaunchCounterPath()).ReadInteger(kSection, kCounterKey, 0);
  // A failed download leaves an earlier copy as it was.
  const bool downloaded =
      source_ && source_->Download(std::wstring(core::kLinkListAddress), paths_.LinkListPath());
  // Captions and targets from the list, whether just downloaded, earlier or absent.
  const toolkit::IniFile listFile(paths_.LinkListPath());
  const core::LinkList list =
      core::ReadLinkList([&](const std::wstring& key, const std::wstring& fallback) {
        return listFile.ReadString(kSection, key, fallback);
      });
  targets_ = list.targets;
  // The labels size themselves to their captions, then move after one another.
  std::array<int, core::kLinkCount> widths{}, lefts{};
  for (int k = 0; k < core::kLinkCount; ++k) {
    toolkit::Label& label = labels_[static_cast<std::size_t>(k)];
    label.SetCaption(list.captions[k]);
    const RECT bounds = label.Bounds();
    widths[k] = bounds.right - bounds.left;
    lefts[k] = bounds.left;
  }
  const auto placed = core::LayOutLinks(list.captions, widths, lefts);
  for (int k = 0; k < core::kLinkCount; ++k) {
    toolkit::Label& label = labels_[static_cast<std::size_t>(k)];
    const RECT bounds = label.Bounds();
    label.SetBounds(placed[k], bounds.top, widths[k], bounds.bottom - bounds.top);
  }
  // The announcement on the first three starts with a download; this one counts too.
  if (!downloaded) return;
  if (launchCounter_ < 3) OpenWebPage(list.announcement);
  if (launchCounter_ < INT_MAX) ++launchCounter_;  // a hand-edited count must not overflow
}

void LinkStrip::SaveLaunchCounter() const {
  toolkit::IniFile(paths_.LaunchCounterPath()).WriteInteger(kSection, kCounterKey, launchCounter_);
}

void LinkStrip::Open(int index) const {
  OpenWebPage(targets_[static_cast<std::size_t>(index)]);
}

void LinkStrip::OpenWebPage(const std::wstring& address) const {
  // A list from the network could name a program, a path or a file: address: those stay shut.
  if (core::IsWebAddress(address)) shell_.Open(address, toolkit::OpenAs::Maximized);
}

}  // namespace kadrion::features
