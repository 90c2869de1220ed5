#pragma once
// The main window "TMainWindow": the film list with its filter field, the fields and buttons
// beside it, the link strip and the status bar. It owns its controls and composes the features that work on them;
// it shows the catalogue document it is given, loads it and its own settings when created and
// writes both back when closed. Its actions are rows of one command table (main_window_commands.cpp),
// from which the list's menu, the buttons and the keys are bound.
#include <memory>

#include "app/description_window.h"
#include "app/notepad_window.h"
#include "app/services.h"
#include "components/window_decorations.h"
#include "features/app_paths.h"
#include "features/appearance/always_on_top.h"
#include "features/appearance/list_appearance.h"
#include "features/catalogue/catalogue_document.h"
#include "features/catalogue/catalogue_editor.h"
#include "features/catalogue/film_deletion.h"
#include "features/catalogue/film_list.h"
#include "features/catalogue/finder.h"
#include "features/catalogue/list_filter.h"
#include "features/catalogue/list_order.h"
#include "features/catalogue/status_line.h"
#include "features/details/details_document.h"
#include "features/html/html_list_export.h"
#include "features/html/web_title_search.h"
#include "features/links/link_strip.h"
#include "features/settings_file.h"
#include "features/titles/titles_from_files.h"
#include "features/transfer/csv_transfer.h"
#include "features/transfer/folder_import.h"
#include "toolkit/application.h"
#include "toolkit/background_work.h"
#include "toolkit/command_table.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "toolkit/panel.h"
#include "toolkit/popup_menu.h"

namespace kadrion::app {

class MainWindow : public toolkit::Form {
 public:
  // The side windows are made before this one and created after it. `application` gives the
  // title, the error guard, the timers' host and the waiting messages' handling.
  MainWindow(features::CatalogueDocument& document, features::DetailsDocument& details,
             features::SettingsFile& settings,
             const features::AppPaths& paths, const Services& services,
             toolkit::Application& application, NotepadWindow& notepad,
             DescriptionWindow& description);

  // Creates the window and its controls, loads the catalogue and the settings; the window
  // stays hidden until Show, which first fills the link strip.
  void Create();
  bool AlwaysOnTopOn() const { return alwaysOnTop_.On(); }
  // The tray button and the roller in the caption bar; they exist once the window does.
  components::MainWindowDecorations& Decorations() { return *decorations_; }
  // The import or folder scan running off the window's thread, if any.
  toolkit::BackgroundWork& LongWork() { return longWork_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateControls();
  void CreateEditPanel();
  void CreateFilterPanel();
  // The command table's rows, then what is bound from them.
  void DefineCommands();
  void CreateMenus();
  void BindEvents();

  // Creation, the first showing and the close.
  void OnCreate();
  void OnFirstShow();
  void OnClose();
  void OnEndSession();
  void SaveLaunchCounter();
  void LoadCatalogue();
  void LoadSettings();
  void SaveSettings();
  void FocusSearchText();
  bool DropDownOpen() const;
  // A second start of the program: shown, restored and in front, wherever it was.
  void ComeToFront();

  toolkit::Application& application_;
  const features::AppPaths& paths_;
  toolkit::Dialogs& dialogs_;
  features::SettingsFile& settings_;
  features::CatalogueDocument& document_;
  features::DetailsDocument& details_;
  core::Catalogue& catalogue_;
  NotepadWindow& notepad_;
  DescriptionWindow& description_;
  bool counterFailureShown_ = false;
  // The films the list shows: those the filter matches.
  core::ShownFilms shownFilms_;

  // The window's actions; each row's id, by what it does.
  toolkit::CommandTable commands_;
  struct CommandIds {
    toolkit::CommandTable::Id notepad, deleteFilm, addFilm, clearFields, htmlList, htmlPreview,
        removeDuplicates, undo, exportCsv, importCsv, addFolder, saveChanges, endEditing,
        describe, pastePolishTitle, pasteOriginalTitle, pickFiles, find, findNext, findPrevious,
        webSearch, focusSearch, takeSelected, hideToTray, rollUp, pickFont, pickTextColour,
        pickBackground, focusFilter, clearFilter, filterToList;
  } command_{};

  // The controls; control_ids.h maps the window design's names to these.
  toolkit::Panel linkPanel_;
  features::LinkStrip::Labels links_;
  toolkit::StatusBar statusBar_;
  toolkit::Panel editPanel_;
  toolkit::Label polishTitleLabel_, originalTitleLabel_, genreLabel_, discsLabel_, mediumLabel_;
  toolkit::Edit polishTitleEdit_;
  toolkit::Button pickFilesButton_, pastePolishTitleButton_;
  toolkit::Edit originalTitleEdit_;
  toolkit::Button pasteOriginalTitleButton_;
  toolkit::ComboBox genreBox_;
  toolkit::SpinEdit discsEdit_;
  toolkit::ComboBox mediumBox_;
  toolkit::CheckBox addAtOnceCheck_, titleFromFileCheck_;
  toolkit::Button addButton_, deleteButton_, describeButton_, saveChangesButton_;
  toolkit::Button htmlListButton_, webSearchButton_;
  toolkit::Edit searchEdit_;
  toolkit::Button findButton_, nextButton_, previousButton_, internetSearchButton_;
  toolkit::Edit colourSample_;
  toolkit::Button cleanSearchButton_, cleanPolishTitleButton_, cleanOriginalTitleButton_;
  toolkit::Memo htmlMemo_;
  toolkit::Panel filterPanel_;
  toolkit::Edit filterEdit_;
  toolkit::Button clearFilterButton_;
  features::FilmList filmList_;
  toolkit::PopupMenu listMenu_;
  toolkit::PopupMenu sampleMenu_;

  // The features, each given the controls and services it works with.
  features::StatusLine statusLine_;
  features::DescriptionFiles descriptionFiles_;
  features::CatalogueEditor editor_;
  features::FilmDeletion deletion_;
  features::Finder finder_;
  features::ListFilter listFilter_;
  features::ListOrder listOrder_;
  features::TitlesFromFiles titlesFromFiles_;
  toolkit::BackgroundWork longWork_;  // one import or folder scan at a time
  features::CsvTransfer csvTransfer_;
  features::FolderImport folderImport_;
  features::HtmlListExport htmlList_;
  features::WebTitleSearch webSearch_;
  features::ListAppearance appearance_;
  features::AlwaysOnTop alwaysOnTop_;
  features::LinkStrip linkStrip_;
  components::NotificationArea& notificationArea_;
  std::unique_ptr<components::MainWindowDecorations> decorations_;
};

}  // namespace kadrion::app
