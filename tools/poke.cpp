// poke: drives a running Kadrion from outside, the way UI-automation tools do, through the
// window classes and the fixed control ids. For trying things by hand and for screenshots.
//   poke select ROW          click row ROW (from 0) of the list
//   poke press WINDOW ID     click the button with this id
//   poke text WINDOW ID TEXT put TEXT into the control with this id
//   poke windows             list the visible top-level windows
//   poke controls WINDOW     list the controls of a window: id, class, text, place in its parent
//   poke move WINDOW LEFT TOP  move a window (screen coordinates)
//   poke menu WINDOW ID N    open the context menu of a control and choose its Nth item
//                            (from 1, counting the items shown, separators left out)
//   poke click WINDOW X Y    a real left click at X, Y of the whole window (caption and frame
//                            included); a negative X counts from the right edge
//   poke click X Y           a real left click at a screen point
// WINDOW is a window class: TMainWindow, TForm1 or TForm2.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct Search {
  int id;
  const wchar_t* preferredClass;  // among controls sharing an id (as dialogs have)
  HWND found;
};

BOOL CALLBACK FindById(HWND child, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  if (GetDlgCtrlID(child) != search.id) return TRUE;
  wchar_t className[64] = L"";
  GetClassNameW(child, className, 64);
  const bool preferred = _wcsicmp(className, search.preferredClass) == 0;
  if (!search.found || preferred) search.found = child;
  return !preferred;
}

// Controls sit on panels; the id is unique in the whole window.
HWND Control(HWND window, int id, const wchar_t* preferredClass) {
  Search search{id, preferredClass, nullptr};
  EnumChildWindows(window, FindById, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Window(const wchar_t* className) {
  HWND window = FindWindowW(className, nullptr);
  if (!window) std::fwprintf(stderr, L"poke: no window %ls\n", className);
  return window;
}

int SelectRow(int row) {
  HWND main = Window(L"TMainWindow");
  HWND list = main ? Control(main, 100, L"SysListView32") : nullptr;
  if (!list) return 1;
  // Rows are clicked like a user does; the list reports which one was hit.
  RECT client;
  GetClientRect(list, &client);
  for (int y = 1; y < client.bottom; y += 2) {
    const LPARAM at = MAKELPARAM(20, y);
    // Posted, as the mouse does: the list follows the button until it is released.
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
    Sleep(50);
    if (SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == row)
      return 0;
  }
  std::fwprintf(stderr, L"poke: row %d not on screen\n", row);
  return 1;
}

BOOL CALLBACK ListWindow(HWND window, LPARAM) {
  if (!IsWindowVisible(window)) return TRUE;
  wchar_t className[64] = L"", caption[128] = L"";
  GetClassNameW(window, className, 64);
  GetWindowTextW(window, caption, 128);
  RECT rect;
  GetWindowRect(window, &rect);
  std::wprintf(L"%ls \"%ls\" %ld,%ld %ldx%ld owner %p\n", className, caption, rect.left, rect.top,
               rect.right - rect.left, rect.bottom - rect.top,
               static_cast<void*>(GetWindow(window, GW_OWNER)));
  return TRUE;
}

BOOL CALLBACK ListControl(HWND control, LPARAM) {
  wchar_t className[64] = L"", text[128] = L"";
  GetClassNameW(control, className, 64);
  GetWindowTextW(control, text, 128);
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  std::wprintf(L"  %d %ls \"%ls\" %ld,%ld %ldx%ld%ls\n", GetDlgCtrlID(control), className, text,
               rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               IsWindowVisible(control) ? L"" : L" (hidden)");
  return TRUE;
}

// Opens the control's context menu as a right click does, then picks the item with the keys.
int ChooseFromMenu(HWND window, int id, int item) {
  HWND control = Control(window, id, L"");
  if (!control) return 1;
  RECT rect;
  GetWindowRect(control, &rect);
  PostMessageW(GetParent(control), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control),
               MAKELPARAM(rect.left + 20, rect.top + 20));
  HWND menu = nullptr;
  for (int wait = 0; wait < 50 && !(menu && IsWindowVisible(menu)); ++wait) {
    Sleep(100);
    menu = FindWindowW(L"#32768", nullptr);
  }
  if (!menu || !IsWindowVisible(menu)) {
    std::fwprintf(stderr, L"poke: no menu came up\n");
    return 1;
  }
  // The menu's loop reads the keys of its whole thread.
  for (int down = 0; down < item; ++down) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
  return 0;
}

// Moves the pointer there and presses and releases the left button, as the user's mouse does.
// Each event carries the point (in 0..65535 units of the screen): under Wine, a pointer only
// placed with SetCursorPos is not where the next button event lands.
int Click(POINT at) {
  INPUT input[3] = {};
  for (INPUT& event : input) {
    event.type = INPUT_MOUSE;
    event.mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN));
    event.mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN));
    event.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  }
  input[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
  input[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
  for (INPUT& event : input) {
    if (!SendInput(1, &event, sizeof(INPUT))) return 1;
    Sleep(150);
  }
  return 0;
}

int ClickWindow(HWND window, int x, int y) {
  RECT rect;
  GetWindowRect(window, &rect);
  return Click(POINT{x < 0 ? rect.right + x : rect.left + x, rect.top + y});
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"windows") return !EnumWindows(ListWindow, 0);
  if (command == L"controls" && argc == 3) {
    HWND window = Window(argv[2]);
    return window ? !EnumChildWindows(window, ListControl, 0) : 1;
  }
  if (command == L"select" && argc == 3) return SelectRow(_wtoi(argv[2]));
  if (command == L"move" && argc == 5) {
    HWND window = Window(argv[2]);
    return window ? !SetWindowPos(window, nullptr, _wtoi(argv[3]), _wtoi(argv[4]), 0, 0,
                                  SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)
                  : 1;
  }
  if (command == L"menu" && argc == 5) {
    HWND window = Window(argv[2]);
    return window ? ChooseFromMenu(window, _wtoi(argv[3]), _wtoi(argv[4])) : 1;
  }
  if (command == L"click" && argc == 4) return Click(POINT{_wtoi(argv[2]), _wtoi(argv[3])});
  if (command == L"click" && argc == 5) {
    HWND window = Window(argv[2]);
    return window ? ClickWindow(window, _wtoi(argv[3]), _wtoi(argv[4])) : 1;
  }
  if ((command == L"press" && argc == 4) || (command == L"text" && argc == 5)) {
    HWND window = Window(argv[2]);
    HWND control =
        window ? Control(window, _wtoi(argv[3]), command == L"press" ? L"Button" : L"Edit")
               : nullptr;
    if (!control) return 1;
    if (command == L"press")
      SendMessageW(control, BM_CLICK, 0, 0);
    else
      SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]));
    return 0;
  }
  std::fwprintf(stderr,
                L"usage: poke select ROW | press WINDOW ID | text WINDOW ID TEXT | menu WINDOW ID "
                L"N | move WINDOW LEFT TOP | click [WINDOW] X Y | windows | controls WINDOW\n");
  return 2;
}
