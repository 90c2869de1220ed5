#include "toolkit/form.h"

#include <shellapi.h>

#include "toolkit/error_guard.h"
#include "toolkit/module.h"

namespace kadrion::toolkit {

namespace {
constexpr DWORD kFormStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
}  // namespace

HWND Form::CreateSystemWindow(const std::wstring& caption, RECT bounds, DWORD exStyle) {
  CreateOwn(className_.c_str(), caption.c_str(), kFormStyle, exStyle, nullptr, 0, bounds);
  return hwnd_;
}

void Form::CreateForm(const std::wstring& caption, RECT bounds) {
  SetFont(FontInfo{});
  CreateSystemWindow(caption, bounds,
                     WS_EX_CONTROLPARENT | (onFilesDropped ? WS_EX_ACCEPTFILES : 0));
  RECT client{};
  GetClientRect(hwnd_, &client);
  client_.Create(*this, 0, client, Align::Client);
  CreateTooltips();
}

void Form::Show() {
  if (IsWindowVisible(hwnd_)) return;
  if (onShow) ErrorGuard::Current().Guard(onShow);
  shown_ = true;
  ShowWindow(hwnd_, maximizeWhenShown_ ? SW_SHOWMAXIMIZED : SW_SHOW);
  maximizeWhenShown_ = false;
  UpdateWindow(hwnd_);
}

void Form::Hide() {
  ShowWindow(hwnd_, SW_HIDE);
}

void Form::BringToFront() {
  if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
  SetForegroundWindow(hwnd_);
}

void Form::Close() {
  SendMessageW(hwnd_, WM_CLOSE, 0, 0);
}

bool Form::HandleKey(const MSG& message) {
  if (!onKey || (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)) return false;
  return onKey(KeyChord::Pressed(static_cast<UINT>(message.wParam)));
}

RECT Form::PlacedBounds() const {
  if (!IsIconic(hwnd_)) return Bounds();
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  GetWindowPlacement(hwnd_, &placement);
  RECT bounds = placement.rcNormalPosition;
  // The placement counts from the corner of the work area, which a taskbar at the top or the
  // left moves away from the screen's.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (GetMonitorInfoW(MonitorFromRect(&bounds, MONITOR_DEFAULTTONEAREST), &monitor))
    OffsetRect(&bounds, monitor.rcWork.left - monitor.rcMonitor.left,
               monitor.rcWork.top - monitor.rcMonitor.top);
  return bounds;
}

void Form::SetMaximized(bool maximized) {
  if (IsWindowVisible(hwnd_))
    ShowWindow(hwnd_, maximized ? SW_MAXIMIZE : SW_RESTORE);
  else
    maximizeWhenShown_ = maximized;
}

bool Form::Maximized() const {
  return IsWindowVisible(hwnd_) ? IsZoomed(hwnd_) != 0 : maximizeWhenShown_;
}

bool Form::StayOnTop() const {
  return (GetWindowLongW(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void Form::SetStacking(Stacking stacking) {
  if ((stacking == Stacking::StayOnTop) == StayOnTop()) return;
  stackingWanted_ = stacking;
  Recreate();
}

void Form::Recreate() {
  const HWND old = hwnd_;
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  GetWindowPlacement(old, &placement);
  const bool visible = IsWindowVisible(old) != 0;
  const HWND focus = GetFocus();
  const std::wstring caption = WText();
  DWORD exStyle = GetWindowLongW(old, GWL_EXSTYLE) & ~WS_EX_TOPMOST;
  if (stackingWanted_ == Stacking::StayOnTop) exStyle |= WS_EX_TOPMOST;

  // From here on the new window speaks for this form; the old one only falls silent and goes.
  CreateSystemWindow(caption, placement.rcNormalPosition, exStyle);
  SetParent(client_.Handle(), hwnd_);
  if (!visible) placement.showCmd = SW_HIDE;
  SetWindowPlacement(hwnd_, &placement);
  Realign();
  CreateTooltips();
  RemovePropW(old, L"Kadrion.Control");
  DestroyWindow(old);
  if (visible && focus && IsChild(hwnd_, focus)) SetFocus(focus);
}

void Form::AddHint(Control& control, std::wstring hint) {
  hints_.emplace_back(&control, std::move(hint));
  CreateTooltips();
}

void Form::CreateTooltips() {
  if (tooltips_ && GetWindow(tooltips_, GW_OWNER) == hwnd_) DestroyWindow(tooltips_);
  tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                              nullptr, ProgramModule(), nullptr);
  for (auto& [control, hint] : hints_) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(control->Handle());
    tool.lpszText = hint.data();
    SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

LRESULT Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      // Like a dialog box, the form gives the focus back to the control that last had it.
      if (LOWORD(wParam) == WA_INACTIVE) {
        focused_ = GetFocus();
      } else if (focused_ && IsChild(hwnd_, focused_)) {
        SetFocus(focused_);
        return 0;
      }
      break;
    case WM_CLOSE:
      // A form still being created (a modal box of its creation handler is up) has nothing
      // to close yet: its close handler would save state that was never loaded.
      if (!shown_) return 0;
      // An error from the close handlers leaves through the window procedure, which shows it
      // and keeps the window.
      if (onCloseQuery && !onCloseQuery()) return 0;
      if (onClose) onClose();
      if (mainForm_)
        DestroyWindow(hwnd_);
      else
        Hide();
      return 0;
    case WM_DROPFILES: {
      const auto drop = reinterpret_cast<HDROP>(wParam);
      std::vector<std::wstring> paths(DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0));
      for (UINT k = 0; k < paths.size(); ++k) {
        paths[k].resize(DragQueryFileW(drop, k, nullptr, 0) + 1);
        paths[k].resize(
            DragQueryFileW(drop, k, paths[k].data(), static_cast<UINT>(paths[k].size())));
      }
      DragFinish(drop);
      if (onFilesDropped) onFilesDropped(paths);
      return 0;
    }
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam && shown_ && onEndSession) onEndSession();
      return 0;
    case WM_DESTROY:
      if (mainForm_) PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return Container::OnMessage(message, wParam, lParam);
}

}  // namespace kadrion::toolkit
