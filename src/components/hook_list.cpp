#include "components/hook_list.h"

#include <algorithm>
#include <memory>

#include "components/form_hook_component.h"

namespace kadrion::components {

namespace {
// The one list of the process; window procedures reach it without an owner to ask.
std::unique_ptr<HookList>& Instance() {
  static std::unique_ptr<HookList> list;
  return list;
}
}  // namespace

HookList::HookList() : window_([this](Message& message) { OnMessage(message); }) {}

HookList* HookList::Current() {
  return Instance().get();
}

void HookList::Join(FormHookComponent& component) {
  if (!Instance()) Instance().reset(new HookList);
  Instance()->components_.push_back(&component);
  component.Hook();
}

void HookList::Leave(FormHookComponent& component) {
  HookList* list = Current();
  if (!list) return;
  std::erase(list->components_, &component);
  component.Release();
  if (list->components_.empty()) Instance().reset();
}

bool HookList::Contains(const FormHookComponent* component) const {
  return std::find(components_.begin(), components_.end(), component) != components_.end();
}

FormHookComponent* HookList::OldestOn(HWND window) const {
  for (FormHookComponent* component : components_)
    if (component->window_ == window) return component;
  return nullptr;
}

void HookList::RequestRehook(HWND old) const {
  PostMessageW(window_.Handle(), kRehookMessage, 0, reinterpret_cast<LPARAM>(old));
}

void HookList::OnMessage(Message& message) {
  if (message.id == kRehookMessage)
    Rehook(reinterpret_cast<HWND>(message.lParam));
  else
    message.result = window_.Default(message);
}

void HookList::Rehook(HWND old) {
  // A copy: Rehooked may add or remove components.
  std::vector<FormHookComponent*> affected;
  for (FormHookComponent* component : components_)
    if (component->window_ == old) affected.push_back(component);
  for (auto it = affected.rbegin(); it != affected.rend(); ++it) (*it)->Release();
  // In the order they came, so that the newest is again the first to see a message.
  for (FormHookComponent* component : affected) {
    if (!Contains(component)) continue;
    component->Hook();
    if (component->hooked_) component->Rehooked();
  }
}

}  // namespace kadrion::components
