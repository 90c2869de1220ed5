#pragma once
// Every form hook component of the process, in the order they came, and the hidden window that
// attaches a recreated window's components again. Made by the first component, freed when the
// last one leaves.
#include <vector>

#include "components/utility_window.h"

namespace kadrion::components {

class FormHookComponent;

class HookList {
 public:
  // The list while any component exists, otherwise null.
  static HookList* Current();
  // Adds the component and attaches it to its window; makes the list when it is the first.
  static void Join(FormHookComponent& component);
  // Detaches the component and takes it out; frees the list when it was the last.
  static void Leave(FormHookComponent& component);

  bool Contains(const FormHookComponent* component) const;
  // The oldest component on `window`: the one that passes messages to the form's procedure.
  FormHookComponent* OldestOn(HWND window) const;
  // Attaches the components of `old` to their form's new window once it exists.
  void RequestRehook(HWND old) const;

 private:
  HookList();
  void OnMessage(Message& message);
  void Rehook(HWND old);

  std::vector<FormHookComponent*> components_;
  UtilityWindow window_;
};

}  // namespace kadrion::components
