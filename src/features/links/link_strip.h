#pragma once
// The strip of seven web links above the list: captions and targets from a small link list
// downloaded at the first showing (or its earlier copy, or the defaults), the announcement
// page on the first starts with a download, and the count of those starts.
#include <array>
#include <string>

#include "core/link_list.h"
#include "features/app_paths.h"
#include "toolkit/controls.h"
#include "toolkit/download.h"
#include "toolkit/shell.h"

namespace kadrion::features {

class LinkStrip {
 public:
  using Labels = std::array<toolkit::Label, core::kLinkCount>;

  // Without a `source` the download counts as failed at once.
  LinkStrip(Labels& labels, toolkit::Shell& shell, toolkit::Downloader* source,
            const AppPaths& paths);

  // Creates the labels on `strip` with the design's two captions.
  void Create(toolkit::Container& strip, const std::array<int, core::kLinkCount>& ids);
  // Downloads the link list, then captions and places the labels and opens the announcement
  // page on the first three starts with a download.
  void Refresh();
  // Writes the count of starts with a download. Raises an error naming the file.
  void SaveLaunchCounter() const;
  // Opens link `index`'s target in the browser: web addresses only.
  void Open(int index) const;

 private:
  void OpenWebPage(const std::wstring& address) const;

  Labels& labels_;
  toolkit::Shell& shell_;
  toolkit::Downloader* source_;
  const AppPaths& paths_;
  std::array<std::wstring, core::kLinkCount> targets_;
  int launchCounter_ = 0;
};

}  // namespace kadrion::features
