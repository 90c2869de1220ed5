#include "toolkit/background_work.h"

#include <new>
#include <system_error>
#include <utility>

#include "toolkit/error.h"
#include "toolkit/module.h"
#include "toolkit/progress_window.h"

namespace kadrion::toolkit {

namespace {

constexpr wchar_t kMessagesClass[] = L"KadrionBackgroundWork";
constexpr UINT kWorkEnded = WM_APP + 1;
constexpr unsigned kTickMs = 100;
// Work done sooner than this never shows a progress window.
constexpr std::chrono::milliseconds kShowAfter{500};

LRESULT CALLBACK MessagesProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kWorkEnded) {
    auto* work = reinterpret_cast<BackgroundWork*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (work) work->OnEndMessage();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateMessageWindow(BackgroundWork* work) {
  static const bool registered = [] {
    WNDCLASSW cls{};
    cls.lpfnWndProc = MessagesProc;
    cls.hInstance = ProgramModule();
    cls.lpszClassName = kMessagesClass;
    return RegisterClassW(&cls) != 0;
  }();
  (void)registered;
  const HWND window = CreateWindowExW(0, kMessagesClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      ProgramModule(), nullptr);
  if (!window) ThrowSystemError(L"Nie można przygotować pracy w tle.");
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(work));
  return window;
}

// Runs the work and says how it ended; nothing it throws leaves its thread.
WorkEnd Run(const std::function<void(kadrion::core::WorkProgress&)>& work,
            kadrion::core::SharedProgress& progress) noexcept {
  WorkEnd end;
  try {
    work(progress);
  } catch (const kadrion::core::Failure& e) {
    end = {WorkOutcome::Failed, e.Message()};
  } catch (const std::bad_alloc&) {
    end = {WorkOutcome::Failed, L"Zabrakło pamięci; praca została przerwana."};
  } catch (...) {
    end = {WorkOutcome::Failed, L"Praca została przerwana przez nieoczekiwany błąd."};
  }
  // What the work did after the user stopped it does not count, a failure included.
  if (progress.Cancelled()) end = {WorkOutcome::Cancelled, {}};
  return end;
}

}  // namespace

BackgroundWork::BackgroundWork(const Control& owner, TimerHost& timers, ErrorGuard& errors)
    : owner_(owner),
      errors_(errors),
      messages_(CreateMessageWindow(this)),
      timer_(timers, kTickMs) {
  timer_.onTimer = [this] { OnTick(); };
}

BackgroundWork::~BackgroundWork() {
  if (thread_.joinable()) {
    progress_->Cancel();
    thread_.join();
  }
  timer_.SetEnabled(false);
  window_.reset();
  // An end message still on its way dies with the window.
  DestroyWindow(messages_);
}

bool BackgroundWork::Start(ProgressTexts texts,
                           std::function<void(kadrion::core::WorkProgress&)> work,
                           std::function<void(WorkEnd)> finished) {
  if (Running()) return false;
  texts_ = std::move(texts);
  finished_ = std::move(finished);
  progress_ = std::make_shared<kadrion::core::SharedProgress>();
  ended_.store(false);
  startedAt_ = std::chrono::steady_clock::now();
  windowTried_ = false;
  try {
    thread_ = std::thread([this, work = std::move(work), progress = progress_] {
      end_ = Run(work, *progress);
      ended_.store(true, std::memory_order_release);
      PostMessageW(messages_, kWorkEnded, 0, 0);
    });
  } catch (const std::system_error&) {
    throw kadrion::core::Failure(L"Nie można rozpocząć pracy w tle: system nie dał nowego wątku.");
  }
  timer_.SetEnabled(true);
  return true;
}

void BackgroundWork::Cancel() {
  if (!Running()) return;
  progress_->Cancel();
}

void BackgroundWork::OnTick() {
  // The end message may be lost (a full message queue); the timer sees the end as well.
  if (ended_.load(std::memory_order_acquire)) return OnWorkEnded();
  if (!windowTried_ && std::chrono::steady_clock::now() - startedAt_ >= kShowAfter) {
    windowTried_ = true;
    window_ =
        std::make_unique<ProgressWindow>(owner_.Handle(), texts_, [this] { progress_->Cancel(); });
  }
  if (window_) window_->Update(progress_->Done(), progress_->Total());
}

void BackgroundWork::OnWorkEnded() {
  if (!thread_.joinable() || !ended_.load(std::memory_order_acquire)) return;
  thread_.join();
  timer_.SetEnabled(false);
  window_.reset();
  // Taken out first: `finished` may start the next work.
  auto finished = std::move(finished_);
  finished_ = nullptr;
  WorkEnd end = std::move(end_);
  if (finished) finished(std::move(end));
}

}  // namespace kadrion::toolkit
