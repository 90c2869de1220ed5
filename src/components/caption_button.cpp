#include "components/caption_button.h"

#include "components/caption_button_registry.h"
#include "toolkit/module.h"

namespace kadrion::components {

CaptionButton::CaptionButton(toolkit::Form& owner)
    : FormHookComponent(owner), letterColor_(GetSysColor(COLOR_BTNTEXT)), systemMenu_(*this) {
  CaptionButtonRegistry& registry = CaptionButtonRegistry::Obtain();
  commandId_ = registry.NextCommandId();
  registry.Add(*this);
  Layout();
}

CaptionButton::~CaptionButton() {
  SetVisible(false);
  // Invisible, it already takes no place among the others.
  if (CaptionButtonRegistry* registry = CaptionButtonRegistry::Current()) registry->Remove(*this);
  DeleteTool();
  systemMenu_.Remove();
  CaptionButtonRegistry::FreeIfEmpty();
}

int CaptionButton::Order() const {
  const CaptionButtonRegistry* registry = CaptionButtonRegistry::Current();
  return registry ? registry->IndexOf(*this) : -1;
}

void CaptionButton::SetOrder(int order) {
  if (Loading())
    loadedOrder_ = static_cast<std::int16_t>(order);
  else
    MoveTo(order);
}

void CaptionButton::MoveTo(int order) {
  const int current = Order();
  if (current < 0) return;
  auto& list = *CaptionButtonRegistry::Current()->ListHolding(*this);
  order = kadrion::core::ClampButtonOrder(order, static_cast<int>(list.size()));
  if (order == current) return;
  list.erase(list.begin() + current);
  list.insert(list.begin() + order, this);
  Layout();
}

void CaptionButton::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  EnableMenuItem(SystemMenuHandle(), commandId_, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
  UpdateToolInfo();
  Repaint();
}

void CaptionButton::SetHint(std::wstring hint) {
  if (hint == hint_) return;
  hint_ = std::move(hint);
  UpdateToolInfo();
}

void CaptionButton::SetShowHint(bool show) {
  if (show == showHint_) return;
  showHint_ = show;
  UpdateToolInfo();
}

void CaptionButton::SetVisible(bool visible) {
  visible_ = visible;
  UpdateToolInfo();
  Layout();
}

void CaptionButton::SetSeparatorWidth(int width) {
  const auto stored = static_cast<std::uint8_t>(width);
  if (stored == separatorWidth_) return;
  separatorWidth_ = stored;
  Layout();
}

void CaptionButton::SetPointerCursors(const wchar_t* released, const wchar_t* pressed) {
  cursor_ = released;
  cursorDown_ = pressed;
}

void CaptionButton::SetLetterFont(std::wstring face, COLORREF color) {
  letterFace_ = std::move(face);
  letterColor_ = color;
  Repaint();
}

void CaptionButton::SetGlyph(HBITMAP glyph) {
  if (glyph && glyph != glyph_.Get())
    glyph_.Reset(static_cast<HBITMAP>(CopyImage(glyph, IMAGE_BITMAP, 0, 0, 0)));
  Repaint();
}

void CaptionButton::Layout() {
  CaptionButtonRegistry* registry = CaptionButtonRegistry::Current();
  const auto* list = registry ? registry->ListHolding(*this) : nullptr;
  if (!list) return;
  const auto& buttons = *list;
  std::vector<kadrion::core::CaptionSlot> slots;
  for (const CaptionButton* button : buttons)
    slots.push_back({button->visible_, button->separatorWidth_});
  const int buttonWidth =
      GetSystemMetrics((WindowExStyle() & WS_EX_TOOLWINDOW) ? SM_CXSMSIZE : SM_CXSIZE);
  const auto offsets = kadrion::core::RightOffsets(slots, buttonWidth);
  for (std::size_t k = 0; k < buttons.size(); ++k)
    if (offsets[k]) buttons[k]->rightOffset_ = *offsets[k];
  UpdateFrame();
}

void CaptionButton::Loaded() {
  FormHookComponent::Loaded();
  CaptionButtonRegistry* registry = CaptionButtonRegistry::Current();
  if (auto* list = registry ? registry->ListHolding(*this) : nullptr) {
    if (kadrion::core::SortByLoadedOrder(*list,
                                         [](const CaptionButton* b) { return b->loadedOrder_; }))
      Layout();
  }
  AddTool();
}

void CaptionButton::Rehooked() {
  DeleteTool();
  AddTool();
  if (CaptionButtonRegistry* registry = CaptionButtonRegistry::Current()) registry->Follow(*this);
  Layout();
  systemMenu_.Reapply();
}

// --- the tooltip ---

void CaptionButton::AddTool() {
  CaptionButtonRegistry* registry = CaptionButtonRegistry::Current();
  if (!registry || !registry->Tooltips()) return;
  place_ = {};
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V1_SIZE;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = HookedWindow();
  tool.uId = registry->NextToolId();
  tool.hinst = toolkit::ProgramModule();
  tool.lpszText = const_cast<wchar_t*>(L"");
  SendMessageW(registry->Tooltips(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  toolWindow_ = tool.hwnd;
  toolId_ = tool.uId;
  toolAdded_ = true;
}

void CaptionButton::DeleteTool() {
  CaptionButtonRegistry* registry = CaptionButtonRegistry::Current();
  if (!toolAdded_ || !registry || !registry->Tooltips()) return;
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V1_SIZE;
  tool.hwnd = toolWindow_;
  tool.uId = toolId_;
  SendMessageW(registry->Tooltips(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  toolAdded_ = false;
}

void CaptionButton::UpdateToolInfo() {
  CaptionButtonRegistry* registry = CaptionButtonRegistry::Current();
  if (!toolAdded_ || !registry || !registry->Tooltips()) return;
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V1_SIZE;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = toolWindow_;
  tool.uId = toolId_;
  tool.hinst = toolkit::ProgramModule();
  std::wstring text;
  if (visible_ && enabled_ && showHint_ && !hint_.empty()) {
    // The caption band above the client area (and the menu bar, whose band it then is).
    const int caption =
        GetSystemMetrics((WindowExStyle() & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
    const int menu = GetMenu(HookedWindow()) ? GetSystemMetrics(SM_CYMENU) : 0;
    tool.rect = RECT{place_.left + 1, -caption - menu, place_.right + 1, -menu};
    text = hint_;
  }
  tool.lpszText = text.data();
  SendMessageW(registry->Tooltips(), TTM_SETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool));
}

// --- messages ---

int CaptionButton::CaptionBand() const {
  const int caption =
      GetSystemMetrics((WindowExStyle() & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
  return caption + (GetMenu(HookedWindow()) ? GetSystemMetrics(SM_CYMENU) : 0);
}

void CaptionButton::BeforeMessage(Message& message, bool& handled) {
  switch (message.id) {
    case WM_SETCURSOR:
      if (LOWORD(message.lParam) == commandId_) {
        ::SetCursor(LoadCursorW(nullptr, drawnDown_ ? cursorDown_ : cursor_));
        message.result = TRUE;
        handled = true;
      }
      break;
    case WM_NCLBUTTONDBLCLK:
      // A fast second click presses the button again.
      if (message.wParam == commandId_) message.id = WM_NCLBUTTONDOWN;
      break;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
      if (message.wParam == commandId_) handled = true;
      break;
    default:
      break;
  }
}

void CaptionButton::OnHitTest(Message& message) {
  if (message.result == HTCAPTION) {
    POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    ScreenToClient(HookedWindow(), &at);
    if (kadrion::core::OnCaptionButton(place_, at.x, at.y)) {
      if (!drawnDown_ && captured_) Draw(Face::kPressed);
      message.result = static_cast<LRESULT>(commandId_);
      return;
    }
  }
  if (drawnDown_) Draw(Face::kReleased);
}

void CaptionButton::AfterMessage(Message& message) {
  const HWND window = HookedWindow();
  switch (message.id) {
    case WM_NCHITTEST:
      OnHitTest(message);
      break;
    case WM_NCLBUTTONDOWN:
      if (!enabled_) break;
      if (message.wParam == commandId_) {
        Draw(Face::kPressed);
        ::SetCursor(LoadCursorW(nullptr, cursorDown_));
        if (!captured_) {
          captured_ = true;
          SetCapture(window);
        }
      } else {
        Draw(Face::kReleased);
        if (captured_) {
          captured_ = false;
          ReleaseCapture();
        }
      }
      break;
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP:
      if (!captured_) break;
      captured_ = false;
      ReleaseCapture();
      // The action runs before the button is drawn released.
      if (drawnDown_) {
        BeforeButtonClick();
        ButtonClick();
      }
      Draw(Face::kReleased);
      break;
    case WM_MOUSEMOVE:
      if (captured_ && drawnDown_) {
        // Only leaving the caption band up or down lets the button go; sideways it holds.
        const int y = GET_Y_LPARAM(message.lParam);
        if (y < -(CaptionBand() + 1) || y > -1) Draw(Face::kReleased);
      }
      break;
    case WM_NCMOUSEMOVE:
      // The system hands a tooltip only the mouse messages of the client area; the caption's
      // come from here, in the client coordinates the tool's rectangle has.
      if (message.wParam == commandId_ && toolAdded_) {
        if (CaptionButtonRegistry* registry = CaptionButtonRegistry::Current()) {
          POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
          ScreenToClient(window, &at);
          MSG relayed{
              window, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y), static_cast<DWORD>(GetMessageTime()),
              {}};
          SendMessageW(registry->Tooltips(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
        }
      }
      break;
    case WM_SYSCOMMAND:
      if (message.wParam == commandId_) {
        BeforeMenuClick();
        MenuClick();
      }
      break;
    case WM_SETTEXT:
      // The caption is painted anew after this message, over the button.
      PostMessageW(UtilityWindowHandle(), kRepaintButtonsMessage, 0, 0);
      break;
    case WM_NCPAINT:
    case WM_NCACTIVATE:
      Repaint();
      UpdateToolInfo();
      break;
    case kRepaintButtonsMessage:
      Repaint();
      break;
    case kReapplySystemMenuMessage:
      systemMenu_.Reapply();
      break;
    default:
      break;
  }
}

void CaptionButton::UtilityMessage(Message& message) {
  FormHookComponent::UtilityMessage(message);
  if (message.id == kRepaintButtonsMessage) Repaint();
}

}  // namespace kadrion::components
