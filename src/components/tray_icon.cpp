#include "components/tray_icon.h"

#include <algorithm>

#include "components/glyph_resource.h"
#include "toolkit/error.h"

namespace kadrion::components {

namespace {
constexpr UINT_PTR kAnimationTimer = 1;

template <std::size_t N>
void CopyCut(const std::wstring& text, wchar_t (&field)[N], std::size_t room = N) {
  const std::size_t length = std::min(text.size(), std::min(room, N) - 1);
  std::copy_n(text.begin(), length, field);
  field[length] = L'\0';
}

unsigned KeysHeld() {
  unsigned shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= TrayIcon::kShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= TrayIcon::kCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= TrayIcon::kAlt;
  return shift;
}
}  // namespace

TrayIcon::TrayIcon(toolkit::Form& owner, NotificationArea& area, const toolkit::ProgramTitle& title,
                   toolkit::MessagePump& messages)
    : CaptionButton(owner),
      area_(area),
      title_(title),
      messages_(messages),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {
  SetGlyph(LoadGlyphResource(L"CB_MINIMIZETOTRAY").Get());
  SetHint(L"Minimize to System Tray");
  Repaint();
}

TrayIcon::~TrayIcon() {
  // Menu items must not call into a component that is gone.
  Manage(restoreItem_, restoreItemClick_, -1, ItemAction::kRestore);
  Manage(minimizeItem_, minimizeItemClick_, -1, ItemAction::kHide);
  SetIconVisible(false);
  KillTimer(UtilityWindowHandle(), kAnimationTimer);
}

void TrayIcon::Notify(DWORD action, bool withBalloon) {
  NOTIFYICONDATAW icon{};
  icon.cbSize = withBalloon ? NOTIFYICONDATAW_V2_SIZE : NOTIFYICONDATAW_V1_SIZE;
  icon.hWnd = UtilityWindowHandle();
  icon.uID = 0;
  icon.uFlags = NIF_MESSAGE | NIF_TIP;
  if (withBalloon) icon.uFlags |= NIF_INFO;
  if (iconVisible_) icon.uFlags |= NIF_ICON;
  icon.uCallbackMessage = kTrayCallbackMessage;
  icon.hIcon = shown_.Get();
  // The older, shorter record has room for 63 characters of tip.
  if (showTip_) CopyCut(tip_.empty() ? title_.Text() : tip_, icon.szTip, withBalloon ? 128 : 64);
  if (withBalloon) {
    CopyCut(balloon_.text, icon.szInfo);
    CopyCut(balloon_.title, icon.szInfoTitle);
    icon.uTimeout = balloon_.timeoutMs;
    icon.dwInfoFlags = static_cast<DWORD>(balloon_.icon);
  }
  area_.Notify(action, icon);
}

void TrayIcon::ShowBalloon() {
  Notify(NIM_MODIFY, true);
}

void TrayIcon::SetIconVisible(bool visible) {
  if ((options_ & kHideOnRestore) && Loading()) return;
  if (visible == iconVisible_) return;
  iconVisible_ = visible;
  if (visible) {
    AddIcon();
    if (onShow) onShow();
    return;
  }
  DeleteIcon();
  if (onHide) onHide();
  if (!IsWindowVisible(Owner().Handle())) RestoreFromTray();
}

void TrayIcon::HideToTray() {
  SetIconVisible(true);
  // The form owns its taskbar button: hiding it takes the button away too.
  ShowWindow(Owner().Handle(), SW_HIDE);
  SetManagedStates(FormState::kHidden);
  if (onMinimize) onMinimize();
}

void TrayIcon::RestoreFromTray() {
  // Back as it was: maximized stays maximized, minimized comes up restored.
  const HWND window = Owner().Handle();
  ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(window);
  if (options_ & kHideOnRestore) SetIconVisible(false);
  SetManagedStates(FormState::kShown);
  if (onRestore) onRestore();
}

void TrayIcon::Click() {
  CaptionButton::Click();
  HideToTray();
}

void TrayIcon::SetAnimate(bool animate) {
  if (animate == animate_) return;
  animate_ = animate;
  RestartAnimation();
}

void TrayIcon::SetAnimateInterval(unsigned ms) {
  ms = static_cast<std::uint16_t>(ms);
  if (ms == animateInterval_) return;
  animateInterval_ = ms;
  RestartAnimation();
}

void TrayIcon::SetTip(std::wstring tip) {
  if (tip == tip_) return;
  tip_ = std::move(tip);
  UpdateIcon();
}

void TrayIcon::SetShowTip(bool show) {
  if (show == showTip_) return;
  showTip_ = show;
  UpdateIcon();
}

void TrayIcon::SetIcon(HICON icon) {
  icon_.Reset(icon ? CopyIcon(icon) : nullptr);
  if (images_) return;
  shown_.Reset(icon_ ? CopyIcon(icon_.Get()) : nullptr);
  UpdateIcon();
}

void TrayIcon::ShowCurrentImage() {
  // An index outside the list leaves the area an empty icon.
  shown_.Reset(ImageList_GetIcon(images_, imageIndex_, ILD_NORMAL));
}

void TrayIcon::SetImageList(HIMAGELIST images) {
  images_ = images;
  if (images_) {
    ShowCurrentImage();
  } else {
    shown_.Reset(icon_ ? CopyIcon(icon_.Get()) : nullptr);
    animate_ = false;
  }
  UpdateIcon();
  RestartAnimation();
}

void TrayIcon::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  if (!images_) return;
  ShowCurrentImage();
  UpdateIcon();
}

void TrayIcon::SetOptions(unsigned options) {
  options_ = static_cast<std::uint8_t>(options);
}

void TrayIcon::RestartAnimation() {
  KillTimer(UtilityWindowHandle(), kAnimationTimer);
  if (!animate_ || animateInterval_ == 0 || !images_) return;
  SetImageIndex(0);
  if (!SetTimer(UtilityWindowHandle(), kAnimationTimer, animateInterval_, nullptr))
    throw kadrion::core::Failure(L"No timers");
}

void TrayIcon::SetPopupMenu(toolkit::PopupMenu* menu) {
  if (menu == menu_) return;
  Manage(restoreItem_, restoreItemClick_, -1, ItemAction::kRestore);
  Manage(minimizeItem_, minimizeItemClick_, -1, ItemAction::kHide);
  menu_ = menu;
}

void TrayIcon::SetRestoreItem(int item) {
  Manage(restoreItem_, restoreItemClick_, item, ItemAction::kRestore);
}

void TrayIcon::SetMinimizeItem(int item) {
  Manage(minimizeItem_, minimizeItemClick_, item, ItemAction::kHide);
}

void TrayIcon::Manage(int& managed, std::function<void()>& saved, int item, ItemAction action) {
  // The same item again keeps its wrapping: wrapping it twice would lose its own handler.
  if (item == managed) return;
  if (menu_ && managed >= 0 && managed < menu_->Count())
    (*menu_)[managed].onClick = std::move(saved);
  saved = nullptr;
  managed = -1;
  if (!menu_ || item < 0 || item >= menu_->Count()) return;
  managed = item;
  saved = std::move((*menu_)[item].onClick);
  (*menu_)[item].onClick = [this, &saved, action] {
    if (saved) saved();
    if (action == ItemAction::kRestore)
      RestoreFromTray();
    else
      HideToTray();
  };
}

void TrayIcon::SetManagedStates(FormState state) {
  if (!menu_) return;
  const bool hidden = state == FormState::kHidden;
  if (restoreItem_ >= 0) {
    (*menu_)[restoreItem_].isDefault = hidden;
    (*menu_)[restoreItem_].enabled = hidden;
  }
  if (minimizeItem_ >= 0) {
    (*menu_)[minimizeItem_].isDefault = !hidden;
    (*menu_)[minimizeItem_].enabled = !hidden;
  }
}

void TrayIcon::Loaded() {
  CaptionButton::Loaded();
  if (!images_) {
    HICON icon = icon_.Get();
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(Owner().Handle(), GCLP_HICON));
    if (!icon) icon = LoadIconW(nullptr, IDI_APPLICATION);
    shown_.Reset(CopyIcon(icon));
    UpdateIcon();
  }
  if (balloon_.enabled) ShowBalloon();
}

void TrayIcon::Notification(const void* removed) {
  CaptionButton::Notification(removed);
  if (menu_ && removed == menu_) {
    // The items went with the menu; their handlers need no giving back.
    menu_ = nullptr;
    restoreItem_ = minimizeItem_ = -1;
    restoreItemClick_ = minimizeItemClick_ = nullptr;
  }
  if (images_ && removed == images_) SetImageList(nullptr);
}

void TrayIcon::AfterMessage(Message& message) {
  CaptionButton::AfterMessage(message);
  // The form owns its taskbar button, so only the main form's minimize box means the program.
  if (message.id == WM_SIZE && message.wParam == SIZE_MINIMIZED && (options_ & kMinimizeToTray) &&
      Owner().MainForm())
    HideToTray();
}

void TrayIcon::UtilityMessage(Message& message) {
  CaptionButton::UtilityMessage(message);
  if (message.id == WM_QUERYENDSESSION) {
    SetIconVisible(false);
  } else if (message.id == WM_TIMER && message.wParam == kAnimationTimer) {
    const int count = images_ ? ImageList_GetImageCount(images_) : 0;
    SetImageIndex(imageIndex_ < count - 1 ? imageIndex_ + 1 : 0);
    if (onAnimate) onAnimate();
  } else if (message.id == kTrayCallbackMessage) {
    OnIconMouse(static_cast<UINT>(message.lParam));
  } else if (message.id == taskbarCreated_ && iconVisible_) {
    // A restarted shell has forgotten the icon; without it a hidden form could not come back.
    AddIcon();
  }
}

void TrayIcon::OnIconMouse(UINT mouseMessage) {
  POINT at{};
  GetCursorPos(&at);
  const unsigned shift = KeysHeld();
  const HWND owner = Owner().Handle();
  // The program takes the foreground, so that a menu it opens closes again like any other.
  auto takeForeground = [&] {
    SetForegroundWindow(IsWindowVisible(owner) ? owner : UtilityWindowHandle());
  };
  switch (mouseMessage) {
    case WM_MOUSEMOVE:
      if (onMouseMove) onMouseMove(shift, at.x, at.y);
      break;
    case WM_LBUTTONDOWN:
      leftPressed_ = true;
      if (onMouseDown) onMouseDown(MouseButton::kLeft, shift | kLeft, at.x, at.y);
      break;
    case WM_LBUTTONUP:
      takeForeground();
      if (onMouseUp) onMouseUp(MouseButton::kLeft, shift | kLeft, at.x, at.y);
      // A press that began elsewhere is no click.
      if (leftPressed_) {
        if (onClick) onClick();
        if (options_ & kShowMenuOnLeftClick) ShowTrayMenu();
        if ((options_ & kOneClickRestore) && !IsWindowVisible(owner)) RestoreFromTray();
      }
      leftPressed_ = false;
      break;
    case WM_LBUTTONDBLCLK: {
      if (onDblClick) onDblClick();
      const bool ran = menu_ && !(options_ & kShowMenuOnLeftClick) && RunDefaultMenuItem();
      if (!ran && (options_ & kDblClickRestore)) {
        if (IsWindowVisible(owner) && (options_ & kMinimizeToTray))
          HideToTray();
        else
          RestoreFromTray();
      }
      break;
    }
    case WM_RBUTTONDOWN:
      if (onMouseDown) onMouseDown(MouseButton::kRight, shift | kRight, at.x, at.y);
      break;
    case WM_RBUTTONUP:
      takeForeground();
      if (onMouseUp) onMouseUp(MouseButton::kRight, shift | kRight, at.x, at.y);
      ShowTrayMenu();
      break;
    case WM_MBUTTONDOWN:
      if (onMouseDown) onMouseDown(MouseButton::kMiddle, shift | kMiddle, at.x, at.y);
      break;
    case WM_MBUTTONUP:
      takeForeground();
      if (onMouseUp) onMouseUp(MouseButton::kMiddle, shift | kMiddle, at.x, at.y);
      break;
    default:
      break;
  }
}

bool TrayIcon::RunDefaultMenuItem() {
  for (int item = 0; item < menu_->Count(); ++item) {
    if ((*menu_)[item].isDefault) {
      menu_->Click(item);
      return true;
    }
  }
  return false;
}

void TrayIcon::ShowTrayMenu() {
  if (!menu_) return;
  POINT at{};
  GetCursorPos(&at);
  if (!messages_.ProcessMessages()) PostQuitMessage(0);
  const HWND owner = Owner().Handle();
  SetForegroundWindow(owner);
  menu_->Popup(owner, at);
  // Without a message after it, the menu would not close when the user clicks elsewhere.
  PostMessageW(owner, WM_NULL, 0, 0);
  if (onPopupMenu) onPopupMenu();
}

}  // namespace kadrion::components
