// The window decoration components on real windows: the hook chain, a caption button's press
// cycle, the tray icon and the roller, each also across the recreation of the form's window
// that switching it to stay on top does.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "components/form_roller.h"
#include "components/hook_list.h"
#include "components/tray_icon.h"
#include "program_fixture.h"
#include "test_support.h"
#include "toolkit/application.h"

inline bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

namespace kadrion::components {
namespace {

using testing_support::Dialogs;
using testing_support::Pump;
using Log = std::vector<std::string>;

constexpr UINT kProbe = WM_APP + 7;

// A form whose own procedure notes the probe message and answers it with 7. Shown once its
// components are there, as the program shows its main window.
class ProbedForm : public toolkit::Form {
 public:
  explicit ProbedForm(Log& log) : Form(L"TComponentsTest"), log_(log) {
    CreateForm(L"Komponenty", RECT{100, 100, 600, 450});
  }
  void ShowNow() {
    Show();
    Pump();
  }
  int minHeight = 0;  // the least height it lets its window be given

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_GETMINMAXINFO && minHeight)
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize.y = minHeight;
    if (message != kProbe) return Form::OnMessage(message, wParam, lParam);
    log_.push_back("form");
    return 7;
  }

 private:
  Log& log_;
};

class Recorder : public FormHookComponent {
 public:
  Recorder(toolkit::Form& form, std::string name, Log& log)
      : FormHookComponent(form), name_(std::move(name)), log_(log) {}
  bool handles = false;
  bool fails = false;
  int rehooked = 0;

 protected:
  void BeforeMessage(Message& message, bool& handled) override {
    if (message.id != kProbe) return;
    log_.push_back("before " + name_);
    if (fails) throw std::runtime_error("probe failed");
    if (handles) {
      handled = true;
      message.result = 9;
    }
  }
  void AfterMessage(Message& message) override {
    if (message.id == kProbe) log_.push_back("after " + name_);
  }
  void Rehooked() override { ++rehooked; }

 private:
  std::string name_;
  Log& log_;
};

TEST(HookChain, NewestSeesAMessageFirstAndTheOldestHandsItToTheForm) {
  Log log;
  ProbedForm form(log);
  const HWND window = form.Handle();
  const LONG_PTR formProcedure = GetWindowLongPtrW(window, GWLP_WNDPROC);
  auto c1 = std::make_unique<Recorder>(form, "1", log);
  auto c2 = std::make_unique<Recorder>(form, "2", log);
  auto c3 = std::make_unique<Recorder>(form, "3", log);
  auto probe = [&] {
    log.clear();
    return SendMessageW(window, kProbe, 0, 0);
  };

  EXPECT_EQ(probe(), 7);
  EXPECT_EQ(log,
            (Log{"before 3", "before 2", "before 1", "form", "after 1", "after 2", "after 3"}));

  c2->handles = true;  // keeps it from the older ones, its own and newer afters still run
  EXPECT_EQ(probe(), 9);
  EXPECT_EQ(log, (Log{"before 3", "before 2", "after 2", "after 3"}));

  c2.reset();
  EXPECT_EQ(probe(), 7);
  EXPECT_EQ(log, (Log{"before 3", "before 1", "form", "after 1", "after 3"}));

  Dialogs().Clear();
  c3->fails = true;
  probe();
  EXPECT_EQ(Dialogs().errors, (std::vector<std::wstring>{L"probe failed"})) << "the error box";
  c3->fails = false;

  c1.reset();
  c3.reset();
  EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), formProcedure);
  EXPECT_EQ(probe(), 7);
  EXPECT_EQ(log, (Log{"form"}));
  EXPECT_EQ(HookList::Current(), nullptr) << "freed with the last component";
}

TEST(HookChain, TheRecreatedWindowGetsItsComponentsBackInTheirOrder) {
  Log log;
  ProbedForm form(log);
  Recorder c1(form, "1", log), c2(form, "2", log);
  const HWND old = form.Handle();

  form.SetStacking(toolkit::Stacking::StayOnTop);
  ASSERT_NE(form.Handle(), old);
  log.clear();
  SendMessageW(form.Handle(), kProbe, 0, 0);
  EXPECT_EQ(log, (Log{"form"})) << "attached once the posted request is handled";

  Pump();
  log.clear();
  EXPECT_EQ(SendMessageW(form.Handle(), kProbe, 0, 0), 7);
  EXPECT_EQ(log, (Log{"before 2", "before 1", "form", "after 1", "after 2"}));
  EXPECT_EQ(c1.HookedWindow(), form.Handle());
  EXPECT_EQ(c1.rehooked + c2.rehooked, 2);
}

// A caption button that counts its clicks.
class CountingButton : public CaptionButton {
 public:
  using CaptionButton::CaptionButton;
  int clicks = 0;

 protected:
  void Click() override { ++clicks; }
};

// The screen point in the middle of a caption button as last drawn.
POINT OnButton(const CaptionButton& button) {
  POINT at{(button.Place().left + button.Place().right) / 2, -GetSystemMetrics(SM_CYCAPTION) / 2};
  ClientToScreen(button.HookedWindow(), &at);
  return at;
}

LPARAM ScreenLParam(POINT at) {
  return MAKELPARAM(at.x, at.y);
}

// A left press on the button (`press` the second of a double click), the pointer moved by
// `drag` while held, then the release there, which the captured mouse reports to the client.
void Press(const CaptionButton& button, std::optional<POINT> drag = std::nullopt,
           UINT press = WM_NCLBUTTONDOWN) {
  const HWND window = button.HookedWindow();
  POINT at = OnButton(button);
  const LRESULT hit = SendMessageW(window, WM_NCHITTEST, 0, ScreenLParam(at));
  // Anything else pressed there (the system menu, say) would wait for the user.
  ASSERT_EQ(hit, static_cast<LRESULT>(button.CommandId()));
  SendMessageW(window, press, static_cast<WPARAM>(hit), ScreenLParam(at));
  if (drag) at = POINT{at.x + drag->x, at.y + drag->y};
  ScreenToClient(window, &at);
  if (drag) SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

TEST(CaptionButton, ActsOnlyWhenReleasedOnTheCaptionAlsoOnTheRecreatedWindow) {
  Log log;
  ProbedForm form(log);
  CountingButton button(form);
  button.Loaded();
  form.ShowNow();
  const int toClient = GetSystemMetrics(SM_CYCAPTION) / 2;  // from the button's middle
  const struct {
    const char* what;
    std::optional<POINT> drag;
    int clicks;
    UINT then = 0;  // a second press of this kind at once
  } cases[] = {
      {"released where pressed", std::nullopt, 1},
      {"double-clicked: pressed twice", std::nullopt, 2, WM_NCLBUTTONDBLCLK},
      {"dragged to the caption's last row", POINT{0, toClient - 1}, 1},
      {"dragged onto the client area's first row", POINT{0, toClient}, 0},
      {"dragged above the window", POINT{0, -30}, 0},
      {"dragged sideways along the caption", POINT{-150, 0}, 1},
  };
  for (bool recreated : {false, true}) {
    if (recreated) {
      form.SetStacking(toolkit::Stacking::StayOnTop);
      Pump();
    }
    for (const auto& c : cases) {
      SCOPED_TRACE(c.what);
      button.clicks = 0;
      Press(button, c.drag);
      if (c.then) Press(button, std::nullopt, c.then);
      EXPECT_EQ(button.clicks, c.clicks);
      EXPECT_FALSE(button.DrawnPressed());
      EXPECT_EQ(GetCapture(), nullptr);
    }
  }
  button.clicks = 0;
  SendMessageW(form.Handle(), WM_NCRBUTTONDOWN, button.CommandId(), 0);
  SendMessageW(form.Handle(), WM_NCRBUTTONUP, button.CommandId(), 0);
  button.SetEnabled(false);
  Press(button);
  EXPECT_EQ(button.clicks, 0) << "right clicks and a disabled button do nothing";
}

std::wstring MenuText(HMENU menu, int position) {
  wchar_t text[64] = L"";
  GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
  return text;
}

TEST(CaptionButton, TakesItsDesignOrderWhenLoadedAndItsSystemMenuEntryAlong) {
  Log log;
  ProbedForm form(log);
  CountingButton second(form), first(form);
  second.SetOrder(1);
  first.SetOrder(0);
  second.SetHint(L"Zwiń");
  second.SystemMenu().SetPosition(200);  // past the end: at the end
  second.SystemMenu().SetSeparators(SystemMenuEntry::kBefore | SystemMenuEntry::kAfter);
  second.SystemMenu().SetApplyToMenu(true);
  second.Loaded();
  first.Loaded();
  form.ShowNow();
  EXPECT_LE(second.Place().right, first.Place().left) << "order 0 sits rightmost";

  for (bool recreated : {false, true}) {
    if (recreated) {
      form.SetStacking(toolkit::Stacking::StayOnTop);
      Pump();
    }
    const HMENU menu = GetSystemMenu(form.Handle(), FALSE);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 3);
    EXPECT_EQ(GetMenuItemID(menu, count - 3), second.CommandId() + 1000);
    EXPECT_EQ(GetMenuItemID(menu, count - 2), second.CommandId());
    EXPECT_EQ(MenuText(menu, count - 2), L"Zwiń");
    EXPECT_EQ(GetMenuItemID(menu, count - 1), second.CommandId() + 2000);
  }
  second.SetEnabled(false);
  EXPECT_TRUE(GetMenuState(GetSystemMenu(form.Handle(), FALSE), second.CommandId(), MF_BYCOMMAND) &
              MF_GRAYED);
  second.SetEnabled(true);
  SendMessageW(form.Handle(), WM_SYSCOMMAND, second.CommandId(), 0);
  EXPECT_EQ(second.clicks, 1) << "chosen from the menu";

  second.SetOrder(-3);
  Pump();
  EXPECT_GE(second.Place().left, first.Place().right) << "moved to the right end";
}

class TrayIconTest : public ::testing::Test {
 protected:
  TrayIconTest() {
    title.Set(L"Kadrion filmów");
    tray.SetOptions(TrayIcon::kOneClickRestore);
    tray.Loaded();
    form.ShowNow();
    area.calls.clear();
  }
  bool Shown() const { return IsWindowVisible(form.Handle()) != 0; }

  Log log;
  ProbedForm form{log};
  testing_support::RecordingNotificationArea area;
  toolkit::ProgramTitle title;
  TrayIcon tray{form, area, title, testing_support::TestApplication()};
  const testing_support::RecordingNotificationArea::Call added{
      NIM_ADD, NIF_MESSAGE | NIF_TIP | NIF_ICON, L"Kadrion filmów", true};
};

TEST_F(TrayIconTest, OneClickOnTheIconBringsTheFormBackAndTheIconStays) {
  Press(tray);
  EXPECT_FALSE(Shown());
  EXPECT_EQ(area.calls, (std::vector<testing_support::RecordingNotificationArea::Call>{added}));

  area.Mouse(WM_LBUTTONUP);
  EXPECT_FALSE(Shown()) << "a press that began elsewhere is no click";
  area.Mouse(WM_LBUTTONDOWN);
  area.Mouse(WM_LBUTTONUP);
  EXPECT_TRUE(Shown());
  area.Mouse(WM_LBUTTONDOWN);
  area.Mouse(WM_LBUTTONUP);
  EXPECT_TRUE(Shown());
  EXPECT_EQ(area.calls.size(), 1u) << "the icon stays; clicking it while shown does nothing";
  EXPECT_TRUE(tray.IconVisible());
}

TEST_F(TrayIconTest, ARestartedTaskbarGetsTheIconBackAndLoggingOffRemovesIt) {
  const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
  SendMessageW(tray.UtilityWindowHandle(), taskbarCreated, 0, 0);
  EXPECT_TRUE(area.calls.empty()) << "no icon to put back";

  tray.HideToTray();
  SendMessageW(tray.UtilityWindowHandle(), taskbarCreated, 0, 0);
  EXPECT_EQ(area.calls,
            (std::vector<testing_support::RecordingNotificationArea::Call>{added, added}));
  EXPECT_FALSE(Shown());

  area.calls.clear();
  // Logging off takes the icon away first, and the hidden window must not block it.
  EXPECT_EQ(SendMessageW(tray.UtilityWindowHandle(), WM_QUERYENDSESSION, 0, 0), 1);
  ASSERT_EQ(area.calls.size(), 1u);
  EXPECT_EQ(area.calls[0].action, static_cast<DWORD>(NIM_DELETE));
  EXPECT_TRUE(Shown()) << "never hidden without an icon to bring it back";
}

TEST_F(TrayIconTest, ItsMenuItemsFollowTheFormAndADoubleClickRunsTheDefaultOne) {
  toolkit::PopupMenu menu;
  int restores = 0, hides = 0;
  const int restore = menu.Add(L"Przywróć", [&] { ++restores; });
  const int hide = menu.Add(L"Do zasobnika", [&] { ++hides; });
  tray.SetPopupMenu(&menu);
  tray.SetRestoreItem(restore);
  tray.SetRestoreItem(restore);  // again: its own handler must still run once, not be lost
  tray.SetMinimizeItem(hide);
  tray.SetOptions(TrayIcon::kDblClickRestore);

  menu.Click(hide);
  EXPECT_FALSE(Shown());
  EXPECT_TRUE(menu[restore].isDefault && menu[restore].enabled);
  EXPECT_FALSE(menu[hide].isDefault || menu[hide].enabled);

  area.Mouse(WM_LBUTTONDBLCLK);
  EXPECT_TRUE(Shown()) << "the default item restored it";
  EXPECT_EQ(restores, 1);
  EXPECT_TRUE(menu[hide].isDefault && menu[hide].enabled);

  tray.SetPopupMenu(nullptr);
  menu.Click(hide);
  EXPECT_TRUE(Shown()) << "a released item has only its own handler";
  EXPECT_EQ(hides, 2);
}

RECT RegionBox(HWND window) {
  toolkit::RegionHandle region(CreateRectRgn(0, 0, 0, 0));
  RECT box{-1, -1, -1, -1};
  if (GetWindowRgn(window, region.Get()) != ERROR) GetRgnBox(region.Get(), &box);
  return box;
}

// At once the window is only clipped; animated it also shrinks, as far as the form lets it,
// and the strip of client area it kept stays shown. Either way it comes back whole.
TEST(FormRoller, RolledUpItKeepsItsCaptionUnresizableAlsoWhenRecreatedAndRollsDownWhole) {
  for (const bool animate : {false, true}) {
    SCOPED_TRACE(animate ? "animated" : "at once");
    Log log;
    ProbedForm form(log);
    form.minHeight = 150;  // where the animation stops
    FormRoller roller(form, testing_support::TestApplication());
    roller.animate = animate;
    roller.Loaded();
    form.ShowNow();
    RECT bounds{}, now{}, client{};
    GetWindowRect(form.Handle(), &bounds);
    const int width = bounds.right - bounds.left;
    const int aboveClient = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYSIZEFRAME);
    auto hitTest = [&](int x, int y) {
      return SendMessageW(form.Handle(), WM_NCHITTEST, 0, MAKELPARAM(now.left + x, now.top + y));
    };

    Press(roller);
    ASSERT_TRUE(roller.RolledUp());
    for (bool recreated : {false, true}) {
      SCOPED_TRACE(recreated ? "recreated" : "first window");
      if (recreated) {
        form.SetStacking(toolkit::Stacking::StayOnTop);
        Pump();
      }
      GetWindowRect(form.Handle(), &now);
      GetClientRect(form.Handle(), &client);
      EXPECT_EQ(now.bottom - now.top, animate ? form.minHeight : bounds.bottom - bounds.top);
      const int strip = animate ? client.bottom : 0;
      EXPECT_EQ(RegionBox(form.Handle()), (RECT{0, 0, width, aboveClient + strip + 3}));
      EXPECT_EQ(hitTest(1, 100), HTBORDER);
      EXPECT_EQ(hitTest(width - 1, now.bottom - now.top - 1), HTBORDER);
      EXPECT_EQ(hitTest(40, aboveClient / 2), HTCAPTION) << "still moved by its caption";
    }

    Press(roller);
    GetWindowRect(form.Handle(), &now);
    EXPECT_EQ(now, bounds) << "its whole height back";
    EXPECT_EQ(RegionBox(form.Handle()), (RECT{-1, -1, -1, -1})) << "no region";
    EXPECT_EQ(hitTest(1, 100), HTLEFT);
  }
}

// The program's own window: the tray button rightmost, the roller left of it, no system-menu
// entries and no icon at start; both still act after "Zawsze na wierzchu" made the window anew.
class MainWindowDecorationsTest : public kadrion::app::ProgramTest {};

TEST_F(MainWindowDecorationsTest, BothButtonsSurviveTheOnTopSwitch) {
  Start();
  TrayIcon& tray = Main().Decorations().trayIcon;
  FormRoller& roller = Main().Decorations().roller;
  EXPECT_LE(roller.Place().right, tray.Place().left);
  EXPECT_EQ(tray.Hint(), L"Minimalizuj do zasobnika");
  EXPECT_FALSE(tray.IconVisible());
  const HMENU menu = GetSystemMenu(Main().Handle(), FALSE);
  EXPECT_EQ(GetMenuState(menu, tray.CommandId(), MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_EQ(GetMenuState(menu, roller.CommandId(), MF_BYCOMMAND), static_cast<UINT>(-1));

  ChooseFromListMenu(L"Zawsze na wierzchu");
  Pump();
  RECT before{}, after{};
  GetWindowRect(Main().Handle(), &before);
  EXPECT_EQ(SendMessageW(Main().Handle(), WM_NCHITTEST, 0, ScreenLParam(OnButton(tray))),
            static_cast<LRESULT>(tray.CommandId()));
  components::Press(roller);
  EXPECT_TRUE(roller.RolledUp());
  EXPECT_EQ(roller.Hint(), L"Rozwiń");
  EXPECT_NE(RegionBox(Main().Handle()), (RECT{-1, -1, -1, -1}));
  components::Press(roller);
  EXPECT_EQ(roller.Hint(), L"Zwiń");
  GetWindowRect(Main().Handle(), &after);
  EXPECT_EQ(after, before) << "back whole, unchanged in size";
}

}  // namespace
}  // namespace kadrion::components
