#include "app/program.h"

namespace kadrion::app {

Program::Program(features::AppPaths paths, const Services& services,
                 toolkit::Application& application)
    : paths_(std::move(paths)),
      notepad_(paths_, services.dialogs, application.Errors()),
      description_(paths_, services, application.Errors(), application.Timers()),
      main_(catalogue_, paths_, services, notepad_, description_, application) {}

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
