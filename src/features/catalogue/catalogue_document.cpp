#include "features/catalogue/catalogue_document.h"

namespace kadrion::features {

CatalogueDocument::CatalogueDocument(core::Catalogue& catalogue, const AppPaths& paths,
                                     toolkit::TimerHost& timers, toolkit::ErrorGuard& errors)
    : catalogue_(catalogue),
      disk_(paths.CataloguePath(), paths.CatalogueBackupPath()),
      file_(disk_),
      autosave_(catalogue, file_, timers, errors) {}

core::CatalogueLoad CatalogueDocument::Load() {
  try {
    const core::CatalogueLoad load = file_.Load(catalogue_);
    autosave_.Start();
    return load;
  } catch (...) {
    autosave_.Start();
    throw;
  }
}

}  // namespace kadrion::features
