// Long work off the window's thread: how its end comes back, and the progress window that
// shows it and cancels it.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <optional>
#include <stdexcept>
#include <thread>

#include "core/failure.h"
#include "test_support.h"
#include "toolkit/application.h"
#include "toolkit/background_work.h"
#include "toolkit/form.h"
#include "toolkit/progress_window.h"

namespace kadrion::toolkit {
namespace {

using namespace testing_support;
using core::WorkProgress;

const toolkit::ProgressTexts kTexts{L"Importowanie z pliku CSV", L"Przeczytane wiersze"};

// Counts the progress windows made on this thread while it lives.
class ProgressWindowsMade {
 public:
  ProgressWindowsMade() {
    count_ = 0;
    hook_ = SetWindowsHookExW(WH_CBT, &Watch, nullptr, GetCurrentThreadId());
  }
  ~ProgressWindowsMade() { UnhookWindowsHookEx(hook_); }
  int Count() const { return count_; }

 private:
  static LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
    wchar_t name[64] = L"";
    if (code == HCBT_CREATEWND && GetClassNameW(reinterpret_cast<HWND>(wParam), name, 64) &&
        std::wstring(name) == toolkit::kProgressWindowClass)
      ++count_;
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline int count_ = 0;
  HHOOK hook_;
};

// A window to own the progress window, and work that reports a count and then runs until it
// is cancelled or released.
class BackgroundWorkTest : public testing::Test {
 protected:
  BackgroundWorkTest() : owner_(L"KadrionTestOwner") {
    owner_.CreateForm(L"Właściciel", RECT{100, 100, 700, 500});
    owner_.Show();
  }
  ~BackgroundWorkTest() override { SetEvent(release_.Get()); }

  // Counts until cancelled, then holds on until `letGo_` (or five seconds).
  std::function<void(WorkProgress&)> HeldWork(std::size_t done, std::size_t total) {
    return [this, done, total](WorkProgress& progress) {
      while (progress.Continue(done, total))
        if (WaitForSingleObject(release_.Get(), 5) == WAIT_OBJECT_0) return;
      sawCancel_ = true;
      WaitForSingleObject(letGo_.Get(), 5000);
    };
  }
  std::function<void(WorkEnd)> Record() {
    return [this](WorkEnd end) {
      onGuiThread_ = GetCurrentThreadId() == guiThread_;
      end_ = std::move(end);
    };
  }
  static HWND ProgressWindow() { return FindWindowW(toolkit::kProgressWindowClass, nullptr); }

  toolkit::Form owner_;
  toolkit::KernelHandle release_{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  toolkit::KernelHandle letGo_{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
  std::atomic<bool> sawCancel_{false};
  const DWORD guiThread_ = GetCurrentThreadId();
  bool onGuiThread_ = false;
  std::optional<WorkEnd> end_;
};

TEST_F(BackgroundWorkTest, QuickWorkEndsOnTheWindowsThreadWithoutAProgressWindow) {
  const struct {
    const char* name;
    std::function<void(WorkProgress&)> work;
    WorkEnd expected;
  } cases[] = {
      {"done", [](WorkProgress& p) { p.Continue(3, 3); }, {WorkOutcome::Done, L""}},
      {"failure",
       [](WorkProgress&) { throw kadrion::core::Failure(L"Nie można odczytać pliku Filmy.csv."); },
       {WorkOutcome::Failed, L"Nie można odczytać pliku Filmy.csv."}},
      {"other exception",
       [](WorkProgress&) { throw std::runtime_error("boom"); },
       {WorkOutcome::Failed, L"Praca została przerwana przez nieoczekiwany błąd."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ProgressWindowsMade windows;
    toolkit::BackgroundWork background(owner_, TestApplication().Timers(),
                                       TestApplication().Errors());
    end_.reset();
    ASSERT_TRUE(background.Start(kTexts, c.work, Record()));
    ASSERT_TRUE(PumpUntil([&] { return end_.has_value(); }));
    EXPECT_TRUE(onGuiThread_);
    EXPECT_FALSE(background.Running());
    EXPECT_EQ(end_->outcome, c.expected.outcome);
    EXPECT_EQ(end_->failure, c.expected.failure);
    EXPECT_EQ(windows.Count(), 0);
  }
}

TEST_F(BackgroundWorkTest, ProgressWindowShowsTheCountAndCancels) {
  const auto click = [](HWND window) { SendMessageW(FindChild(window, IDCANCEL), BM_CLICK, 0, 0); };
  const auto escape = [](HWND window) {
    PostMessageW(FindChild(window, IDCANCEL), WM_KEYDOWN, VK_ESCAPE, 0);
    Pump();
  };
  const auto closeBox = [](HWND window) { SendMessageW(window, WM_CLOSE, 0, 0); };
  const struct {
    std::size_t done, total;
    const wchar_t* count;
    int position;  // of 1000; -1: a moving bar, the total not known
    std::function<void(HWND)> cancel;
  } cases[] = {
      {12345, 0, L"Przeczytane wiersze: 12 345", -1, click},
      {250, 1000, L"Przeczytane wiersze: 250", 250, escape},
      {1234567, 2469134, L"Przeczytane wiersze: 1 234 567", 500, closeBox},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.done);
    toolkit::BackgroundWork background(owner_, TestApplication().Timers(),
                                       TestApplication().Errors());
    end_.reset();
    sawCancel_ = false;
    ASSERT_TRUE(background.Start(kTexts, HeldWork(c.done, c.total), Record()));
    EXPECT_FALSE(background.Start(kTexts, HeldWork(0, 0), Record())) << "one work at a time";

    HWND window = nullptr;
    ASSERT_TRUE(PumpUntil([&] {
      window = ProgressWindow();
      return window && IsWindowVisible(window);
    }));
    EXPECT_EQ(GetWindow(window, GW_OWNER), owner_.Handle());
    wchar_t text[64] = L"";
    GetWindowTextW(window, text, 64);
    EXPECT_STREQ(text, L"Importowanie z pliku CSV");
    GetWindowTextW(FindChild(window, 1), text, 64);
    EXPECT_STREQ(text, c.count);
    const HWND bar = FindChild(window, 3);
    if (c.position < 0)
      EXPECT_TRUE(GetWindowLongW(bar, GWL_STYLE) & PBS_MARQUEE);
    else
      EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), c.position);

    c.cancel(window);
    ASSERT_TRUE(PumpUntil([&] { return sawCancel_.load(); }));
    PumpFor(150);
    GetWindowTextW(FindChild(window, 1), text, 64);
    EXPECT_STREQ(text, L"Anulowanie…") << "until the work has stopped";
    EXPECT_FALSE(end_.has_value());
    SetEvent(letGo_.Get());
    ASSERT_TRUE(PumpUntil([&] { return end_.has_value(); }));
    EXPECT_EQ(end_->outcome, WorkOutcome::Cancelled);
    EXPECT_TRUE(sawCancel_);
    EXPECT_FALSE(IsWindow(window)) << "the window goes with the work";
    EXPECT_TRUE(IsWindowEnabled(owner_.Handle())) << "the owner stays usable";
  }
}

TEST_F(BackgroundWorkTest, GoingAwayWhileWorkRunsCancelsAndWaitsForIt) {
  // Work that was never told to stop is let go after a while, so that the test fails, not hangs.
  const toolkit::KernelHandle over{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  std::thread watchdog([&] {
    if (WaitForSingleObject(over.Get(), 3000) == WAIT_TIMEOUT) SetEvent(release_.Get());
  });
  HWND window = nullptr;
  {
    toolkit::BackgroundWork background(owner_, TestApplication().Timers(),
                                       TestApplication().Errors());
    SetEvent(letGo_.Get());
    ASSERT_TRUE(background.Start(kTexts, HeldWork(1, 0), Record()));
    ASSERT_TRUE(PumpUntil([&] { return (window = ProgressWindow()) != nullptr; }));
  }
  SetEvent(over.Get());
  watchdog.join();
  EXPECT_TRUE(sawCancel_) << "the work was told to stop and had stopped";
  EXPECT_FALSE(IsWindow(window));
  PumpFor(200);
  EXPECT_FALSE(end_.has_value()) << "nobody is left to be told";
}

}  // namespace
}  // namespace kadrion::toolkit
