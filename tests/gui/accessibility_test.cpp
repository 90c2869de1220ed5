// The windows as a screen reader meets them, through the system's accessibility interface.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <set>

#include "program_fixture.h"

namespace kadrion::app {
namespace {

std::wstring AccessibleNameOf(HWND control) {
  IAccessible* object = nullptr;
  BSTR name = nullptr;
  if (SUCCEEDED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                           IID_IAccessible, reinterpret_cast<void**>(&object)))) {
    object->get_accName(VARIANT{{{VT_I4, 0, 0, 0, {.lVal = CHILDID_SELF}}}}, &name);
    object->Release();
  }
  std::wstring text = name ? name : L"";
  SysFreeString(name);
  return text;
}

// Each Tab stop of the three windows, with "Zapisz zmiany" in the order after "Dodaj opis" while
// a film is taken: seen, and named in more than two letters, once in its window.
TEST_F(ProgramTest, EveryTabStopIsSeenAndNamedOnceInItsWindow) {
  Start({core::FilmEntry{"Matrix", "The Matrix", "", "2", ""}});  // Wine names a combo by its text
  DoubleClickRow(0);
  const HWND save = InMain(id::SaveBtn).Handle();
  Press(id::AllClearBtn);
  Notepad().Open();
  for (const toolkit::Form* window :
       std::initializer_list<const toolkit::Form*>{&Main(), &Description(), &Notepad()}) {
    std::set<std::wstring> names;
    std::wstring previous;
    const HWND first = GetNextDlgTabItem(window->Handle(), nullptr, FALSE);
    HWND stop = first;
    do {
      RECT bounds{};
      GetWindowRect(stop, &bounds);
      const std::wstring name = AccessibleNameOf(stop);
      EXPECT_TRUE(stop == save || (IsWindowVisible(stop) && !IsRectEmpty(&bounds))) << name;
      EXPECT_GT(name.size(), 2u) << "id " << GetDlgCtrlID(stop) << ": \"" << name << "\"";
      EXPECT_TRUE(names.insert(name).second) << "twice in a window: " << name;
      EXPECT_EQ(previous == L"Dodaj opis", stop == save) << name;
      previous = name;
      stop = GetNextDlgTabItem(window->Handle(), stop, FALSE);
    } while (stop && stop != first && names.size() < 64);
    EXPECT_TRUE(window != &Main() || names.count(L"Zapisz zmiany"));
  }
}

}  // namespace
}  // namespace kadrion::app
