// The list's colours and font chosen through the colour sample `C`, and the always-on-top
// switch that the main window and the description window follow.
#include <gtest/gtest.h>

#include "program_fixture.h"
#include "test_support.h"

namespace kadrion::app {
namespace {

using namespace testing_support;
using toolkit::FontInfo;

class AppearanceTest : public ProgramTest {
 protected:
  // The next start, after the program ended as closing the main window ends it.
  void Restart() {
    ASSERT_TRUE(CloseWindow(Main()));
    Start();
  }

  HWND ListHandle() { return List().Handle(); }
  toolkit::Edit& Sample() { return Field(id::C); }
  void DoubleClickSample() { SendMessageW(Sample().Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, 0); }
  void TypeIntoSample(wchar_t letter) { SendMessageW(Sample().Handle(), WM_CHAR, letter, 1); }
  // The sample's menu: "Czcionka", -, "Kolor czcionki", -, "Kolor tła".
  void ChooseFromSampleMenu(int item) {
    TestApplication().Errors().Guard([&] { Sample().ContextMenu()->Click(item); });
  }
  // Both on-top states: the main window's and the description window's.
  std::pair<bool, bool> OnTop() { return {Main().StayOnTop(), Description().StayOnTop()}; }
};

TEST_F(AppearanceTest, CancellingAnyDialogChangesNothingAndNoneOpensAtStart) {
  Start();
  EXPECT_TRUE(Dialogs().presetColors.empty());
  EXPECT_EQ(Sample().WText(), L"Text Text");
  const FontInfo font = List().GetFont();

  DoubleClickSample();
  ChooseFromSampleMenu(4);  // "Kolor tła"
  TypeIntoSample(L'x');
  ChooseFromSampleMenu(2);  // "Kolor czcionki"
  ChooseFromSampleMenu(0);  // "Czcionka"

  const COLORREF background = RGB(255, 255, 221), text = RGB(128, 0, 0);
  EXPECT_EQ(Dialogs().presetColors, (std::vector<COLORREF>{background, background, text, text}))
      << "each preset with the list's colour";
  ASSERT_EQ(Dialogs().presetFonts.size(), 1u);
  EXPECT_EQ(Dialogs().presetFonts[0], font);

  EXPECT_EQ(ListView_GetBkColor(ListHandle()), RGB(255, 255, 221));
  EXPECT_EQ(Sample().Color(), RGB(255, 255, 221));
  EXPECT_EQ(ListView_GetTextColor(ListHandle()), RGB(128, 0, 0));
  EXPECT_EQ(List().GetFont(), font);
  EXPECT_EQ(Sample().GetFont(), font);
}

TEST_F(AppearanceTest, ColoursGoToTheListAndTheSample) {
  Start();
  Dialogs().chosenColor = RGB(1, 2, 3);
  DoubleClickSample();
  EXPECT_EQ(ListView_GetBkColor(ListHandle()), RGB(1, 2, 3));
  EXPECT_EQ(Sample().Color(), RGB(1, 2, 3));
  EXPECT_EQ(List().GetFont().color, RGB(128, 0, 0)) << "the text colour stays";

  Dialogs().chosenColor = RGB(4, 5, 6);
  TypeIntoSample(L'x');
  ASSERT_EQ(Dialogs().presetColors.size(), 2u) << "one keystroke, one dialog";
  EXPECT_EQ(Dialogs().presetColors[1], RGB(128, 0, 0));
  EXPECT_EQ(ListView_GetTextColor(ListHandle()), RGB(4, 5, 6));
  EXPECT_EQ(Sample().GetFont().color, RGB(4, 5, 6));
  EXPECT_EQ(Sample().Color(), RGB(1, 2, 3)) << "the background stays";
}

TEST_F(AppearanceTest, AFontWithAColourSetsTheTextColourAndSurvivesARestartAsKc) {
  Start();
  const FontInfo chosen{L"Arial", 14, toolkit::fsItalic | toolkit::fsUnderline, 238,
                        RGB(10, 20, 30)};
  Dialogs().chosenFont = chosen;
  ChooseFromSampleMenu(0);
  EXPECT_EQ(List().GetFont(), chosen);
  EXPECT_EQ(Sample().GetFont(), chosen);
  EXPECT_EQ(ListView_GetTextColor(ListHandle()), RGB(10, 20, 30));

  Restart();
  EXPECT_EQ(IniValue(folder / L"Dane\\Baza.ini", "Ustawienia", "Kc"), "1971210");
  EXPECT_EQ(List().GetFont(), chosen);
  EXPECT_EQ(Sample().GetFont(), chosen);
  EXPECT_EQ(ListView_GetTextColor(ListHandle()), RGB(10, 20, 30));
}

TEST_F(AppearanceTest, EveryChoiceOfTheSampleMenuKeepsTheFontWholeUpToBazaIni) {
  // In turn over one program folder, each in a run of its own that the close ends; the colours
  // hand the list's font on as it is.
  const struct {
    int item;
    const char* caption;
    const char* key;  // of the setting chosen
    const char* value;
    const char* face;
  } choices[] = {
      {4, "Kolor tła", "Kt", "197121", "MS Sans Serif"},
      {2, "Kolor czcionki", "Kc", "197121", "MS Sans Serif"},
      {0, "Czcionka", "Kc", "1971210", "Arial"},
  };
  Dialogs().chosenColor = RGB(1, 2, 3);
  Dialogs().chosenFont = FontInfo{L"Arial", 14, toolkit::fsItalic, 238, RGB(10, 20, 30)};
  for (const auto& choice : choices) {
    SCOPED_TRACE(choice.caption);
    Start();
    ChooseFromSampleMenu(choice.item);
    EXPECT_EQ(Sample().GetFont(), List().GetFont());
    ASSERT_TRUE(CloseWindow(Main()));
    EXPECT_EQ(Setting(choice.key), choice.value);
    EXPECT_EQ(Setting("Nazwa czcionki"), choice.face);
  }
  EXPECT_EQ(Dialogs().errors, std::vector<std::wstring>{});
}

// What the right click on the sample showed: the first item of the menu that popped up.
std::wstring poppedUpFirstItem;
void CALLBACK ReadAndCloseMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND popup = FindWindowW(L"#32768", nullptr);
  if (!popup || !IsWindowVisible(popup)) return;
  KillTimer(nullptr, timer);
  const auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
  wchar_t text[64] = L"";
  GetMenuStringW(menu, 0, text, 64, MF_BYPOSITION);
  poppedUpFirstItem = text;
  EndMenu();
}

TEST_F(AppearanceTest, ARightClickOnTheSampleShowsItsOwnMenuNotTheEditOne) {
  Start();
  poppedUpFirstItem.clear();
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, ReadAndCloseMenu);
  RECT rect;
  GetWindowRect(Sample().Handle(), &rect);
  SendMessageW(Sample().Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Sample().Handle()),
               MAKELPARAM(rect.left + 5, rect.top + 5));
  KillTimer(nullptr, timer);
  EXPECT_EQ(poppedUpFirstItem, L"Czcionka");
  EXPECT_TRUE(Dialogs().presetFonts.empty()) << "closing the menu chose nothing";
}

TEST_F(AppearanceTest, TheMainAndTheDescriptionWindowFollowTheSwitch) {
  Start();
  EXPECT_EQ(OnTop(), std::make_pair(false, false));
  EXPECT_EQ(ListMenu()[12], L"Zawsze na wierzchu");
  const HWND list = List().Handle();

  ChooseFromListMenu(L"Zawsze na wierzchu");
  EXPECT_EQ(OnTop(), std::make_pair(true, true));
  EXPECT_EQ(ListMenu()[12], L"[x] Zawsze na wierzchu");
  EXPECT_EQ(GetAncestor(list, GA_ROOT), Main().Handle()) << "the list moved to the new window";

  // A description opened in between follows the switch back off.
  Model().Assign({core::FilmEntry{"A", "B", "", "1", "DVD"}});
  List().Select(0);
  Press(id::AllClearBtn);
  ASSERT_TRUE(IsWindowVisible(Description().Handle()));
  ChooseFromListMenu(L"Zawsze na wierzchu");
  EXPECT_EQ(OnTop(), std::make_pair(false, false));
  EXPECT_TRUE(IsWindowVisible(Description().Handle()));
  EXPECT_EQ(ListMenu()[12], L"Zawsze na wierzchu");
}

TEST_F(AppearanceTest, OnTopSavedAsTrueShowsTheCheckedItemAfterARestart) {
  Start();
  ChooseFromListMenu(L"Zawsze na wierzchu");
  Restart();
  EXPECT_EQ(IniValue(folder / L"Dane\\Baza.ini", "Ustawienia", "Zawsze na wierzchu"), "1");
  EXPECT_EQ(OnTop(), std::make_pair(true, true));

  toolkit::PopupMenu& menu = *List().ContextMenu();
  const auto built = menu.Build();
  int shown = 0;
  for (int position = 0; position < GetMenuItemCount(built.Get()); ++position) {
    wchar_t text[64] = L"";
    GetMenuStringW(built.Get(), position, text, 64, MF_BYPOSITION);
    if (std::wstring(text) != L"Zawsze na wierzchu") continue;
    ++shown;
    EXPECT_TRUE(GetMenuState(built.Get(), position, MF_BYPOSITION) & MF_CHECKED);
    // Choosing it, as the menu does, switches on top off.
    menu.Click(static_cast<int>(GetMenuItemID(built.Get(), position)) - 1);
  }
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(OnTop(), std::make_pair(false, false));
}

}  // namespace
}  // namespace kadrion::app
