#pragma once
// The search text looked up on the film-database web site, in the default browser.
#include "toolkit/controls.h"
#include "toolkit/shell.h"

namespace kadrion::features {

class WebTitleSearch {
 public:
  WebTitleSearch(toolkit::Shell& shell, const toolkit::Edit& searchText)
      : shell_(shell), searchText_(searchText) {}

  void Open();

 private:
  toolkit::Shell& shell_;
  const toolkit::Edit& searchText_;
};

}  // namespace kadrion::features
