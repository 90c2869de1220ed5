#pragma once
// The least of a component model these decorations need: a component belongs to a form, has
// its stored values set while it is "loading" and is told when that is over (Loaded); the
// owner tells it when an object it may refer to goes away (Notification).
#include "toolkit/form.h"

namespace kadrion::components {

class Component {
 public:
  // The form's window must exist already.
  explicit Component(toolkit::Form& owner) : owner_(owner) {}
  virtual ~Component() = default;
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  toolkit::Form& Owner() const { return owner_; }

  // Call once all stored values are set; some of them take effect only now.
  virtual void Loaded() { loading_ = false; }
  bool Loading() const { return loading_; }
  // `removed` (a menu, an image list) is about to be freed: drop every reference to it.
  virtual void Notification(const void* /*removed*/) {}

 private:
  toolkit::Form& owner_;
  bool loading_ = true;
};

}  // namespace kadrion::components
