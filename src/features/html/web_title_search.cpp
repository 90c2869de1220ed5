#include "features/html/web_title_search.h"

#include "core/web_search.h"
#include "toolkit/text.h"

namespace kadrion::features {

void WebTitleSearch::Open() {
  shell_.Open(toolkit::FromUtf8(core::FilmDatabaseSearchAddress(searchText_.Text())),
              toolkit::OpenAs::Maximized);
}

}  // namespace kadrion::features
