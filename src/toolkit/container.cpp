#include "toolkit/container.h"

#include <algorithm>
#include <set>
#include <string>

#include "toolkit/error_guard.h"
#include "toolkit/module.h"
#include "toolkit/popup_menu.h"

namespace kadrion::toolkit {

Container::~Container() {
  for (Control* child : children_) child->parent_ = nullptr;
}

void Container::Add(Control* child) {
  children_.push_back(child);
}

void Container::Remove(Control* child) {
  std::erase(children_, child);
}

void Container::RegisterOnce(const wchar_t* className) {
  static std::set<std::wstring> registered;
  if (!registered.insert(className).second) return;
  WNDCLASSW cls{};
  cls.style = CS_DBLCLKS;
  cls.lpfnWndProc = Trampoline;
  cls.hInstance = ProgramModule();
  cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  cls.hIcon = LoadIconW(ProgramModule(), L"MAINICON");
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  cls.lpszClassName = className;
  RegisterClassW(&cls);
}

void Container::CreateOwn(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
                          Container* parent, int id, RECT bounds) {
  RegisterOnce(className);
  CreateHandle(className, text, style, exStyle, parent, id, bounds, this);
}

LRESULT CALLBACK Container::Trampoline(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Container* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<Container*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->Attach(hwnd);
    self->Bind(hwnd);
  } else {
    self = static_cast<Container*>(FromHandle(hwnd));
  }
  // A window being replaced by a recreated one no longer speaks for its wrapper.
  if (!self || self->hwnd_ != hwnd) return DefWindowProcW(hwnd, message, wParam, lParam);

  LRESULT result = 0;
  if (!ErrorGuard::Current().Guard([&] { result = self->OnMessage(message, wParam, lParam); }))
    return 0;
  return result;
}

LRESULT Container::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

bool Container::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND: {
      Control* child = FromHandle(reinterpret_cast<HWND>(lParam));
      return child && child != this && child->HandleCommand(HIWORD(wParam));
    }
    case WM_NOTIFY: {
      auto& header = *reinterpret_cast<NMHDR*>(lParam);
      Control* child = FromHandle(header.hwndFrom);
      return child && child != this && child->HandleNotify(header, result);
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      Control* child = FromHandle(item.hwndItem);
      if (!child || child == this) return false;
      result = TRUE;
      return child->HandleDrawItem(item);
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: {
      Control* child = FromHandle(reinterpret_cast<HWND>(lParam));
      // A combo box's own edit and list are not wrapped: their colours are the combo's.
      if (!child) child = FromHandle(GetParent(reinterpret_cast<HWND>(lParam)));
      if (!child || child == this) return false;
      HBRUSH brush = child->HandleCtlColor(reinterpret_cast<HDC>(wParam));
      if (!brush) return false;
      result = reinterpret_cast<LRESULT>(brush);
      return true;
    }
    case WM_SETCURSOR: {
      // A child's own default handling asks its parent first, so this wins over the class.
      Control* child = FromHandle(reinterpret_cast<HWND>(wParam));
      if (!child || child == this || !child->HoverCursor() || LOWORD(lParam) != HTCLIENT)
        return false;
      SetCursor(LoadCursorW(nullptr, child->HoverCursor()));
      result = TRUE;
      return true;
    }
    case WM_CONTEXTMENU: {
      Control* child = FromHandle(reinterpret_cast<HWND>(wParam));
      if (!child || !child->ContextMenu()) return false;
      POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      if (lParam == -1) {  // from the keyboard: under the control's top-left corner
        RECT rect;
        GetWindowRect(child->Handle(), &rect);
        at = {rect.left + 4, rect.top + 4};
      }
      child->ContextMenu()->Popup(hwnd_, at);
      return true;
    }
    default:
      return false;
  }
}

LRESULT Container::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (Reflect(message, wParam, lParam, result)) return result;
  if (message == WM_SIZE) {
    Realign();
    return 0;
  }
  if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
    // Labels and check boxes take the panel's background rather than the system's.
    if (color_) {
      SetBkColor(reinterpret_cast<HDC>(wParam), *color_);
      return reinterpret_cast<LRESULT>(brush_.Get());
    }
  }
  if (message == WM_ERASEBKGND && color_) {
    RECT rect;
    GetClientRect(hwnd_, &rect);
    FillRect(reinterpret_cast<HDC>(wParam), &rect, brush_.Get());
    return 1;
  }
  return Default(message, wParam, lParam);
}

void Container::Realign() {
  if (!hwnd_) return;
  RECT free{};
  GetClientRect(hwnd_, &free);
  auto place = [](Control* child, int left, int top, int right, int bottom) {
    MoveWindow(child->Handle(), left, top, std::max(0, right - left), std::max(0, bottom - top),
               TRUE);
  };
  for (Align pass :
       {Align::Top, Align::Bottom, Align::Right, Align::Left, Align::AboveClient, Align::Client}) {
    for (Control* child : children_) {
      if (child->Alignment() != pass || !child->Visible()) continue;
      const RECT own = child->Bounds();
      const int width = own.right - own.left, height = own.bottom - own.top;
      switch (pass) {
        case Align::Top:
        case Align::AboveClient:
          place(child, free.left, free.top, free.right, free.top + height);
          free.top += height;
          break;
        case Align::Bottom:
          place(child, free.left, free.bottom - height, free.right, free.bottom);
          free.bottom -= height;
          break;
        case Align::Right:
          place(child, free.right - width, free.top, free.right, free.bottom);
          free.right -= width;
          break;
        case Align::Left:
          place(child, free.left, free.top, free.left + width, free.bottom);
          free.left += width;
          break;
        default:
          place(child, free.left, free.top, free.right, free.bottom);
          break;
      }
    }
  }
}

}  // namespace kadrion::toolkit
