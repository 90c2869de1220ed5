#include "app/program.h"

namespace kadrion::app {

Program::Program(features::AppPaths paths, const Services& services,
                 toolkit::Application& application)
    : paths_(std::move(paths)),
      document_(catalogue_, paths_, application.Timers(), application.Errors()),
      details_(catalogue_, paths_, application.Timers(), application.Errors()),
      settings_(paths_.SettingsPath()),
      notepad_(paths_, services.dialogs, application.Errors()),
      description_(paths_, settings_, services, application.Errors(), application.Timers()),
      main_(document_, details_, settings_, paths_, services, application, notepad_, description_) {}

void Program::Start() {
  main_.Create();
  main_.Show();
  notepad_.Create();
  description_.Create(main_.AlwaysOnTopOn() ? toolkit::Stacking::StayOnTop
                                            : toolkit::Stacking::Normal);
  // The program ends only once a changed description has been saved or let go.
  main_.onCloseQuery = [this] { return description_.ConfirmClose(); };
}

}  // namespace kadrion::app
