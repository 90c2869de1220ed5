#include "toolkit/panel.h"

namespace kadrion::toolkit {

namespace {
constexpr wchar_t kPanelClass[] = L"TPanel";
constexpr DWORD kPanelStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
}  // namespace

void Panel::Create(Container& parent, int id, RECT bounds, Align alignment) {
  SetAlignment(alignment);
  CreateOwn(kPanelClass, L"", kPanelStyle, WS_EX_CONTROLPARENT, &parent, id, bounds);
}

}  // namespace kadrion::toolkit
