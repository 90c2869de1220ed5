#include "features/catalogue/autosave.h"

namespace kadrion::features {

Autosave::Autosave(core::Catalogue& catalogue, core::CatalogueFile& file,
                   toolkit::TimerHost& timers, toolkit::ErrorGuard& errors)
    : catalogue_(catalogue), file_(file), errors_(errors), quietTimer_(timers, kQuietMs) {
  quietTimer_.onTimer = [this] { Save(); };
}

Autosave::~Autosave() {
  if (started_) catalogue_.RemoveObserver(*this);
}

void Autosave::Start() {
  if (started_) return;
  started_ = true;
  catalogue_.AddObserver(*this);
}

void Autosave::CatalogueChanged(core::CatalogueChange change) {
  if (change == core::CatalogueChange::Selection) return;
  // The quiet period starts again.
  quietTimer_.SetEnabled(false);
  quietTimer_.SetEnabled(true);
}

void Autosave::Save() {
  quietTimer_.SetEnabled(false);
  errors_.Guard([this] { file_.Autosave(catalogue_); });
}

}  // namespace kadrion::features
