#include "components/form_roller.h"

#include <cstdint>
#include <utility>

#include "components/glyph_resource.h"
#include "core/roll_animation.h"
#include "toolkit/gdi.h"

namespace kadrion::components {

namespace {

// Clips `window` to `region`. The window owns a region it took; one it refused is freed here.
void GiveRegion(HWND window, toolkit::RegionHandle region) {
  if (SetWindowRgn(window, region.Get(), TRUE)) static_cast<void>(region.Release());
}

}  // namespace

FormRoller::FormRoller(toolkit::Form& owner, toolkit::MessagePump& messages)
    : CaptionButton(owner),
      messages_(messages),
      upGlyph_(LoadGlyphResource(L"CB_ROLLER_UP")),
      downGlyph_(LoadGlyphResource(L"CB_ROLLER_DOWN")) {
  SetGlyph(upGlyph_.Get());
  SetHint(L"Roll up");
  SystemMenu().SetCaption(L"Roll up");
  SystemMenu().SetPosition(GetMenuItemCount(SystemMenuHandle()));
  SystemMenu().SetSeparators(SystemMenuEntry::kBefore);
  Repaint();
}

int FormRoller::RolledHeight() const {
  const LONG_PTR style = WindowStyle();
  // A single, dialog or tool-window border is thin; sizeable ones and none count as sizing.
  const bool fixedBorder = !(style & WS_THICKFRAME) && ((style & (WS_BORDER | WS_DLGFRAME)) ||
                                                        (WindowExStyle() & WS_EX_TOOLWINDOW));
  return GetSystemMetrics(SM_CYCAPTION) +
         GetSystemMetrics(fixedBorder ? SM_CYFIXEDFRAME : SM_CYSIZEFRAME) + remainHeight_ + 3;
}

void FormRoller::ApplyRegion() {
  RECT bounds{};
  GetWindowRect(HookedWindow(), &bounds);
  toolkit::RegionHandle region(CreateRectRgn(0, 0, bounds.right - bounds.left, RolledHeight()));
  GiveRegion(HookedWindow(), std::move(region));
}

void FormRoller::SetRemainHeight(int height) {
  height = static_cast<std::uint16_t>(height);
  if (height == remainHeight_) return;
  remainHeight_ = height;
  if (rolledUp_) ApplyRegion();
}

void FormRoller::SetHintRollUp(std::wstring hint) {
  if (hint == hintRollUp_) return;
  hintRollUp_ = std::move(hint);
  if (!rolledUp_) {
    SetHint(hintRollUp_);
    SystemMenu().SetCaption(hintRollUp_);
  }
}

void FormRoller::SetHintRollDown(std::wstring hint) {
  if (hint == hintRollDown_) return;
  hintRollDown_ = std::move(hint);
  if (rolledUp_) {
    SetHint(hintRollDown_);
    SystemMenu().SetCaption(hintRollDown_);
  }
}

void FormRoller::Click() {
  CaptionButton::Click();
  SetRolledUp(!rolledUp_);
}

void FormRoller::SetRolledUp(bool rolledUp) {
  if (rolledUp == rolledUp_ || busy_) return;
  busy_ = true;
  // Whatever a handler run during the animation raises, later rolls are not blocked.
  struct Unblock {
    bool& busy;
    ~Unblock() { busy = false; }
  } unblock{busy_};

  const HWND window = HookedWindow();
  if (!rolledUp) {
    rolledUp_ = false;
    RECT bounds{};
    GetWindowRect(window, &bounds);
    toolkit::RegionHandle region(
        CreateRectRgn(0, 0, bounds.right - bounds.left, RolledHeight() - 3));
    GiveRegion(window, std::move(region));
    SetWindowRgn(window, nullptr, TRUE);
  }
  if (animate) Animate(rolledUp);
  if (rolledUp) {
    rolledUp_ = true;
    ApplyRegion();
  }
  SetGlyph(rolledUp_ ? downGlyph_.Get() : upGlyph_.Get());
  SetHint(rolledUp_ ? hintRollDown_ : hintRollUp_);
  SystemMenu().SetCaption(Hint());
  if (onRollerChanged) onRollerChanged(rolledUp);
}

void FormRoller::SetClientHeight(int height) {
  const HWND window = HookedWindow();
  RECT bounds{}, client{};
  GetWindowRect(window, &bounds);
  GetClientRect(window, &client);
  const int frame = (bounds.bottom - bounds.top) - client.bottom;
  SetWindowPos(window, nullptr, 0, 0, bounds.right - bounds.left, frame + height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormRoller::Animate(bool up) {
  const HWND window = HookedWindow();
  RECT client{};
  GetClientRect(window, &client);
  if (up) savedHeight_ = client.bottom;
  const auto heights =
      up ? kadrion::core::RollUpHeights(savedHeight_, remainHeight_, animateSpeed)
         : kadrion::core::RollDownHeights(remainHeight_, savedHeight_, animateSpeed);
  for (int height : heights) {
    SetClientHeight(height);
    if (!messages_.ProcessMessages()) PostQuitMessage(0);
    Sleep(static_cast<DWORD>(animateSpeed));
  }
  if (up) {
    // A form that refuses to shrink further keeps the height it reached.
    GetClientRect(window, &client);
    remainHeight_ = client.bottom;
  }
}

void FormRoller::DrawBottomEdge() {
  const HWND window = HookedWindow();
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const int width = bounds.right - bounds.left, height = RolledHeight();
  toolkit::WindowDc dc(window, toolkit::WindowDc::Area::Whole);
  {
    toolkit::PenHandle pen(CreatePen(PS_SOLID, 0, GetSysColor(COLOR_BTNFACE)));
    toolkit::SelectedObject selected(dc.Get(), pen.Get());
    MoveToEx(dc.Get(), 1, height - 3, nullptr);
    LineTo(dc.Get(), width - 1, height - 3);
  }
  RECT edge{0, 0, width, height};
  DrawEdge(dc.Get(), &edge, EDGE_RAISED, BF_LEFT | BF_RIGHT | BF_BOTTOM);
}

void FormRoller::AfterMessage(Message& message) {
  CaptionButton::AfterMessage(message);
  if (!rolledUp_) return;
  switch (message.id) {
    case WM_SIZE:
      ApplyRegion();
      break;
    case WM_PAINT:
    case WM_NCPAINT:
      DrawBottomEdge();
      break;
    case WM_NCHITTEST:
      // Sizing by a border would move edges that are clipped away: rolled up, none resizes.
      if (message.result >= HTLEFT && message.result <= HTBOTTOMRIGHT) message.result = HTBORDER;
      break;
    default:
      break;
  }
}

void FormRoller::Rehooked() {
  CaptionButton::Rehooked();
  if (rolledUp_) ApplyRegion();
}

}  // namespace kadrion::components
