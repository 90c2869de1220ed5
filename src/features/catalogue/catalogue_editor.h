#pragma once
// Adding, changing and deleting films through the edit fields beside the list.
#include <functional>
#include <string>

#include "core/catalogue.h"
#include "features/app_paths.h"
#include "features/catalogue/status_line.h"
#include "toolkit/controls.h"

namespace kadrion::features {

// The fields a film is typed into.
struct FilmFields {
  toolkit::Edit& polishTitle;
  toolkit::Edit& originalTitle;
  toolkit::ComboBox& genre;
  toolkit::SpinEdit& discs;
  toolkit::ComboBox& medium;
  toolkit::Edit& searchText;  // taking a film into the fields also puts its original title here
};

class CatalogueEditor {
 public:
  // `openDescription` shows the description of the film with this Polish title.
  CatalogueEditor(core::Catalogue& catalogue, FilmFields fields, toolkit::Button& saveChangesButton,
                  StatusLine& status, const AppPaths& paths,
                  std::function<void(const std::string&)> openDescription);

  // Appends the fields as a new film, empties the titles and opens the selected film's
  // description.
  void Add();
  // Takes the selected film into the fields, to be changed and saved with SaveChanges.
  // Raises an error when its number of discs is not a whole number.
  void TakeSelected();
  // Replaces the film last taken into the fields, wherever it went meanwhile, by the fields
  // at the end of the list; when that film was deleted, only appends.
  void SaveChanges();
  // Opens the selected film's description.
  void DescribeSelected();
  // Replaces a title with the clipboard's text.
  void PastePolishTitle();
  void PasteOriginalTitle();
  // The long status line for a click on a row.
  void ShowSelection();

 private:
  // The fields as the catalogue stores them; characters code page 1250 cannot hold are
  // replaced, and the message panel says so.
  core::FilmEntry FilmFromFields();

  core::Catalogue& catalogue_;
  FilmFields fields_;
  toolkit::Button& saveChangesButton_;
  StatusLine& status_;
  const AppPaths& paths_;
  std::function<void(const std::string&)> openDescription_;
};

}  // namespace kadrion::features
