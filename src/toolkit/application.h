#pragma once
// The application: the message loop, above the pieces the windows below it are handed - the
// program's title, the error guard and the timers' host. Exactly one exists while windows live.
#include "toolkit/dialogs.h"
#include "toolkit/error_guard.h"
#include "toolkit/message_pump.h"
#include "toolkit/program_title.h"
#include "toolkit/timer_host.h"
#include "toolkit/win.h"

namespace kadrion::toolkit {

class Application : public MessagePump {
 public:
  // `title` captions the boxes `dialogs` shows; `dialogs` shows the error box. Both outlive it.
  Application(ProgramTitle& title, Dialogs& dialogs);
  ~Application() override;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  ProgramTitle& Title() { return title_; }
  ErrorGuard& Errors() { return errors_; }
  TimerHost& Timers() { return timers_; }

  // Runs the message loop until the main window closes; returns the exit code.
  int Run();
  bool ProcessMessages() override;

 private:
  void Dispatch(MSG& msg);

  ProgramTitle& title_;
  ErrorGuard errors_;
  TimerHost timers_;
  bool comInitialized_ = false;
};

}  // namespace kadrion::toolkit
