// The windows as a screen reader meets them: every Tab stop, its name through the system's
// accessibility interface (MSAA), and whether the eye can follow the focus there.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <set>

#include "program_fixture.h"

namespace kadrion::app {
namespace {

using AccessibilityTest = ProgramTest;

// The name a screen reader announces for a control.
std::wstring AccessibleNameOf(HWND control) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&object))))
    return L"";
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  std::wstring text;
  if (SUCCEEDED(object->get_accName(self, &name)) && name) text = name;
  SysFreeString(name);
  object->Release();
  return text;
}

TEST_F(AccessibilityTest, EveryTabStopIsSeenAndNamedUniquelyInItsWindow) {
  // Empty boxes: Wine names a combo box by its text.
  Start({core::FilmEntry{"Matrix", "The Matrix", "", "2", ""}});
  // "Zapisz zmiany" is in the order after "Dodaj opis" while a film is taken into the fields.
  DoubleClickRow(0);
  ASSERT_TRUE(InMain(id::SaveBtn).Enabled());
  const HWND save = InMain(id::SaveBtn).Handle();
  Press(id::AllClearBtn);
  Notepad().Open();
  testing_support::Pump();
  for (const toolkit::Form* window :
       {static_cast<toolkit::Form*>(&Main()), static_cast<toolkit::Form*>(&Description()),
        static_cast<toolkit::Form*>(&Notepad())}) {
    ASSERT_TRUE(IsWindowVisible(window->Handle()));
    std::set<std::wstring> names;
    const HWND first = GetNextDlgTabItem(window->Handle(), nullptr, FALSE);
    ASSERT_TRUE(first);
    HWND stop = first;
    for (int count = 0; count < 64 && (count == 0 || stop != first); ++count) {
      RECT bounds{};
      GetWindowRect(stop, &bounds);
      const bool seen =
          IsWindowVisible(stop) && bounds.right > bounds.left && bounds.bottom > bounds.top;
      EXPECT_TRUE(seen || stop == save)
          << "Tab stops on an unseen control, id " << GetDlgCtrlID(stop);
      const std::wstring name = AccessibleNameOf(stop);
      EXPECT_GT(name.size(), 2u) << "id " << GetDlgCtrlID(stop) << ": \"" << name << "\"";
      EXPECT_TRUE(names.insert(name).second) << "twice in a window: " << name;
      stop = GetNextDlgTabItem(window->Handle(), stop, FALSE);
    }
    EXPECT_TRUE(window != &Main() || names.count(L"Zapisz zmiany"));
  }
}

}  // namespace
}  // namespace kadrion::app
