#pragma once
// The description window "TForm2", caption "Opis": shows and edits the free-text description of
// one film and hands it to an external speech reader; keeps its own colours and font. Created
// once, hidden; closing it only hides it, once changed text was offered for saving.
#include <string>

#include "app/services.h"
#include "features/app_paths.h"
#include "features/description/description_editor.h"
#include "features/description/speech_reader.h"
#include "features/settings_file.h"
#include "toolkit/command_table.h"
#include "toolkit/controls.h"
#include "toolkit/error_guard.h"
#include "toolkit/form.h"
#include "toolkit/panel.h"
#include "toolkit/timer_host.h"

namespace kadrion::app {

class DescriptionWindow : public toolkit::Form {
 public:
  // `errors` shows an error of the creation; `timers` runs the reader's timers; `settings` is
  // the program's settings file, opened by the main window.
  DescriptionWindow(const features::AppPaths& paths, features::SettingsFile& settings,
                    const Services& services, toolkit::ErrorGuard& errors,
                    toolkit::TimerHost& timers);

  // Creates the hidden window with its colours and font from the settings; `stacking` is the
  // main window's always-on-top state, which this window follows.
  void Create(toolkit::Stacking stacking);

  // Shows the description of the film with this Polish title (Windows-1250), in front.
  // Changed text is offered for saving first; answering "Anuluj", or a failed save, leaves
  // everything as it was.
  void Open(const std::string& polishTitle);
  bool Modified() const { return editor_.Modified(); }
  // A film's description went from the Polish title `from` to `to`: shown under `from`, it is
  // shown and saved under `to` from now on, changed text and all.
  void FollowTitle(const std::string& from, const std::string& to);
  // The program is to end: changed text is offered for saving; false when the user keeps it
  // ("Anuluj"). A failed save raises its error.
  bool ConfirmClose() { return editor_.ConfirmClose(); }
  // The Windows session ends: changed text is saved without a question.
  void SaveIfModified() { editor_.SaveIfModified(); }

 private:
  void DefineCommands();
  void CreateControls();
  void LoadAppearance();
  void SaveAppearance();
  void PickColour();
  void PickFont();

  toolkit::ErrorGuard& errors_;
  toolkit::Dialogs& dialogs_;
  features::SettingsFile& settings_;

  // The window's actions: the toolbar's buttons and their keys.
  toolkit::CommandTable commands_;
  struct CommandIds {
    toolkit::CommandTable::Id clear, save, reader, colour, font;
  } command_{};

  // The controls; control_ids.h maps the window design's names to these.
  toolkit::Label titleLabel_;
  toolkit::Panel toolbar_;
  toolkit::BitButton clearButton_, saveButton_, readerButton_, colourButton_, fontButton_;
  toolkit::Memo textMemo_;

  features::DescriptionEditor editor_;
  features::SpeechReader reader_;
};

}  // namespace kadrion::app
