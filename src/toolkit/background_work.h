#pragma once
// Long work (an import, a scan of a folder tree) runs on a thread of its own while the window's
// thread goes on painting and answering the user. Once it has run for half a second a progress
// window comes up over the owner, with the count so far and "Anuluj". How the work ended is
// told on the window's thread, by a message, never by waiting for it.
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "core/work_progress.h"
#include "toolkit/control.h"
#include "toolkit/error_guard.h"
#include "toolkit/timer.h"
#include "toolkit/timer_host.h"
#include "toolkit/win.h"

namespace kadrion::toolkit {

class ProgressWindow;

// The texts of the progress window: its caption ("Importowanie z pliku CSV") and what the
// count counts ("Przeczytane wiersze", shown as "Przeczytane wiersze: 12 345").
struct ProgressTexts {
  std::wstring caption;
  std::wstring countLabel;
};

enum class WorkOutcome { Done, Cancelled, Failed };

struct WorkEnd {
  WorkOutcome outcome = WorkOutcome::Done;
  std::wstring failure;  // for Failed: what went wrong, in Polish
};

class BackgroundWork {
 public:
  // `owner` is the window the progress window belongs to and is centred over; it may be made
  // after this. `timers` runs the progress window's ticks; `errors` shows an error `finished`
  // raises. All three outlive the work.
  BackgroundWork(const Control& owner, TimerHost& timers, ErrorGuard& errors);
  // Cancels work still running and waits for its thread; `finished` is not called then.
  ~BackgroundWork();
  BackgroundWork(const BackgroundWork&) = delete;
  BackgroundWork& operator=(const BackgroundWork&) = delete;

  // Starts `work` on a thread of its own; false, and nothing started, while earlier work still
  // runs. The work reports through the progress it is given and stops when told to. `finished`
  // runs later on this thread with how the work ended: Done; Cancelled when the user (or
  // Cancel) stopped it, whatever it did then; Failed with the Polish text of the exception it
  // threw. An error `finished` raises goes to the error box.
  bool Start(ProgressTexts texts, std::function<void(kadrion::core::WorkProgress&)> work,
             std::function<void(WorkEnd)> finished);
  bool Running() const { return thread_.joinable(); }
  // Asks running work to stop, as "Anuluj" does.
  void Cancel();

  // The work's end, handled on this thread (the end message and the timer both lead here).
  void OnWorkEnded();
  // The end message came: OnWorkEnded, with an error it raises shown in the error box.
  void OnEndMessage() noexcept {
    errors_.Guard([this] { OnWorkEnded(); });
  }

 private:
  void OnTick();

  const Control& owner_;
  ErrorGuard& errors_;
  HWND messages_ = nullptr;  // message-only window the work's thread posts its end to
  Timer timer_;
  std::unique_ptr<ProgressWindow> window_;
  ProgressTexts texts_;
  std::function<void(WorkEnd)> finished_;
  std::shared_ptr<kadrion::core::SharedProgress> progress_;
  std::chrono::steady_clock::time_point startedAt_;
  bool windowTried_ = false;  // a window that failed to come up is not tried again
  std::atomic<bool> ended_{false};
  WorkEnd end_;  // written by the work's thread before `ended_`, read here after the join
  std::thread thread_;
};

}  // namespace kadrion::toolkit
