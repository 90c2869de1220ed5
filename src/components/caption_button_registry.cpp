#include "components/caption_button_registry.h"

#include <algorithm>
#include <memory>

#include "components/caption_button.h"
#include "toolkit/module.h"

namespace kadrion::components {

namespace {
std::unique_ptr<CaptionButtonRegistry>& Instance() {
  static std::unique_ptr<CaptionButtonRegistry> registry;
  return registry;
}
}  // namespace

CaptionButtonRegistry::CaptionButtonRegistry() {
  tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0, 0, 0, nullptr, nullptr,
                              toolkit::ProgramModule(), nullptr);
}

CaptionButtonRegistry::~CaptionButtonRegistry() {
  if (tooltips_) DestroyWindow(tooltips_);
}

CaptionButtonRegistry* CaptionButtonRegistry::Current() {
  return Instance().get();
}

CaptionButtonRegistry& CaptionButtonRegistry::Obtain() {
  if (!Instance()) Instance().reset(new CaptionButtonRegistry);
  return *Instance();
}

void CaptionButtonRegistry::FreeIfEmpty() {
  if (Instance() && Instance()->lists_.empty()) Instance().reset();
}

CaptionButtonRegistry::WindowButtons* CaptionButtonRegistry::Holding(const CaptionButton& button) {
  for (WindowButtons& list : lists_)
    if (std::find(list.buttons.begin(), list.buttons.end(), &button) != list.buttons.end())
      return &list;
  return nullptr;
}

std::vector<CaptionButton*>* CaptionButtonRegistry::ListHolding(const CaptionButton& button) {
  WindowButtons* list = Holding(button);
  return list ? &list->buttons : nullptr;
}

std::vector<CaptionButton*>& CaptionButtonRegistry::ListOf(HWND window) {
  for (WindowButtons& list : lists_)
    if (list.window == window) return list.buttons;
  lists_.push_back({window, {}});
  return lists_.back().buttons;
}

int CaptionButtonRegistry::IndexOf(const CaptionButton& button) const {
  for (const WindowButtons& list : lists_) {
    const auto at = std::find(list.buttons.begin(), list.buttons.end(), &button);
    if (at != list.buttons.end()) return static_cast<int>(at - list.buttons.begin());
  }
  return -1;
}

void CaptionButtonRegistry::Add(CaptionButton& button) {
  if (Holding(button)) return;
  ListOf(button.HookedWindow()).push_back(&button);
}

void CaptionButtonRegistry::Remove(const CaptionButton& button) {
  WindowButtons* list = Holding(button);
  if (!list) return;
  std::erase(list->buttons, &button);
  if (list->buttons.empty())
    std::erase_if(lists_, [](const WindowButtons& l) { return l.buttons.empty(); });
}

void CaptionButtonRegistry::Follow(const CaptionButton& button) {
  WindowButtons* list = Holding(button);
  const HWND now = button.HookedWindow();
  if (!list || list->window == now) return;
  list->window = now;
  // Buttons that came to the new window before the others were moved over keep their places
  // after those.
  for (WindowButtons& other : lists_) {
    if (&other == list || other.window != now) continue;
    list->buttons.insert(list->buttons.end(), other.buttons.begin(), other.buttons.end());
    other.buttons.clear();
  }
  std::erase_if(lists_, [](const WindowButtons& l) { return l.buttons.empty(); });
}

}  // namespace kadrion::components
