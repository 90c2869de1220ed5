#pragma once
// A plain panel that holds controls.
#include "toolkit/container.h"

namespace kadrion::toolkit {

class Panel : public Container {
 public:
  void Create(Container& parent, int id, RECT bounds, Align align = Align::None);
};

}  // namespace kadrion::toolkit
