#pragma once
// The program's three windows, made and wired together as the program starts them: the main
// window first (created and shown), then the notepad and the description window, hidden.
#include "app/description_window.h"
#include "app/main_window.h"
#include "app/notepad_window.h"
#include "app/services.h"
#include "core/catalogue.h"
#include "features/app_paths.h"
#include "features/catalogue/catalogue_document.h"
#include "features/details/details_document.h"
#include "features/settings_file.h"
#include "toolkit/application.h"

namespace kadrion::app {

class Program {
 public:
  // `application` gives the windows the title, the error guard and the timers' host.
  Program(features::AppPaths paths, const Services& services, toolkit::Application& application);

  // Creates and shows the main window, then creates the side windows.
  void Start();

  MainWindow& Main() { return main_; }
  NotepadWindow& Notepad() { return notepad_; }
  DescriptionWindow& Description() { return description_; }
  core::Catalogue& Films() { return catalogue_; }
  features::CatalogueDocument& Document() { return document_; }
  features::DetailsDocument& Details() { return details_; }

 private:
  features::AppPaths paths_;
  // The films, which the windows show and change; made before them, gone after them.
  core::Catalogue catalogue_;
  // Its file, read at the start and saved after each change and at the close.
  features::CatalogueDocument document_;
  // The films' details and their file, read once the catalogue is.
  features::DetailsDocument details_;
  // "Dane\Baza.ini", which the main window and the description window both keep settings in.
  features::SettingsFile settings_;
  // The side windows are made first, so that the main window can be given them.
  NotepadWindow notepad_;
  DescriptionWindow description_;
  MainWindow main_;
};

}  // namespace kadrion::app
