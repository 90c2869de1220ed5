// The toolkit pieces that the main window's tests do not reach on their own.
#include <gtest/gtest.h>

#include "core/web_search.h"
#include "test_support.h"
#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/popup_menu.h"
#include "toolkit/text.h"
#include "toolkit/timer.h"

namespace kadrion::toolkit {
namespace {

using namespace testing_support;

std::wstring MenuText(HMENU menu, int position) {
  wchar_t text[64] = L"";
  GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
  return text;
}

TEST(PopupMenu, LeavesHiddenItemsOutAndShowsCheckMarks) {
  toolkit::PopupMenu menu;
  menu.Add(L"Notatnik");
  menu.AddSeparator();
  const int z = menu.Add(L"Zawsze na wierzchu");
  const int z2 = menu.Add(L"Zawsze na wierzchu");
  menu[z].checked = true;
  menu[z2].visible = false;

  auto built = menu.Build();
  ASSERT_EQ(GetMenuItemCount(built.Get()), 3);
  EXPECT_EQ(MenuText(built.Get(), 0), L"Notatnik");
  EXPECT_TRUE(GetMenuState(built.Get(), 1, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_TRUE(GetMenuState(built.Get(), 2, MF_BYPOSITION) & MF_CHECKED);
  EXPECT_EQ(GetMenuItemID(built.Get(), 2), static_cast<UINT>(z + 1)) << "ids follow the items";

  menu[z].visible = false;
  menu[z2].visible = true;
  built = menu.Build();
  ASSERT_EQ(GetMenuItemCount(built.Get()), 3);
  EXPECT_FALSE(GetMenuState(built.Get(), 2, MF_BYPOSITION) & MF_CHECKED);
  EXPECT_EQ(GetMenuItemID(built.Get(), 2), static_cast<UINT>(z2 + 1));
}

// Handles messages until `done` or about two seconds have passed.
template <typename Done>
void PumpUntil(Done done) {
  for (int round = 0; round < 200 && !done(); ++round) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    Pump();
  }
}

TEST(Timer, FiresWhileEnabledAndStopsWhenDisabled) {
  toolkit::Timer timer(TestApplication().Timers(), 10);
  int fired = 0;
  timer.onTimer = [&] {
    if (++fired == 2) timer.SetEnabled(false);
  };
  Pump();
  EXPECT_EQ(fired, 0) << "disabled at start";
  timer.SetEnabled(true);
  PumpUntil([&] { return fired >= 2; });
  EXPECT_EQ(fired, 2);
  PumpUntil([] { return false; });
  EXPECT_EQ(fired, 2) << "no more after disabling";
}

TEST(Timer, AnErrorInItsHandlerIsShownAndTheTimerGoesOn) {
  testing_support::Dialogs().Clear();
  toolkit::Timer timer(TestApplication().Timers(), 10);
  int fired = 0;
  timer.onTimer = [&] {
    if (++fired == 1) throw std::runtime_error("first tick failed");
    timer.SetEnabled(false);
  };
  timer.SetEnabled(true);
  PumpUntil([&] { return fired >= 2; });
  EXPECT_EQ(fired, 2);
  ASSERT_EQ(testing_support::Dialogs().errors.size(), 1u);
  EXPECT_EQ(testing_support::Dialogs().errors[0], L"first tick failed");
}

// The web search's own Windows-1250 table, which the native tests check only in places, against
// the system's code page 1250 that every window text goes through.
TEST(Cp1250, ThePortableTableIsTheSystemsCodePage) {
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    const std::string text(1, static_cast<char>(byte));
    const std::wstring wide = toolkit::FromCp1250(text);
    char utf8[8];
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                           utf8, sizeof(utf8), nullptr, nullptr);
    EXPECT_EQ(kadrion::core::Cp1250ToUtf8(text), std::string(utf8, length)) << "byte " << byte;
  }
}

}  // namespace
}  // namespace kadrion::toolkit
