#pragma once
// Adding, changing and deleting films through the edit fields beside the list.
#include <functional>
#include <optional>
#include <string>

#include "core/catalogue.h"
#include "features/app_paths.h"
#include "features/catalogue/status_line.h"
#include "toolkit/controls.h"
#include "toolkit/dialogs.h"

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

// What the fields are taken for: the questions and refusals name it.
enum class FieldsUse { Adding, Saving };

class CatalogueEditor {
 public:
  // `openDescription` shows the description of the film with this Polish title; questions go
  // through `dialogs`, over `owner`.
  CatalogueEditor(core::Catalogue& catalogue, toolkit::Dialogs& dialogs,
                  const toolkit::Control& owner, FilmFields fields,
                  toolkit::Button& saveChangesButton, StatusLine& status, const AppPaths& paths,
                  std::function<void(const std::string&)> openDescription);

  // Makes the fields take, by typing and pasting, no more than a catalogue record stores (one
  // character is one byte), and the number of discs only the digits of 0 to 9999.
  void LimitFields();
  // Appends the fields as a new film, empties the titles and opens the selected film's
  // description. Nothing is added while the number of discs is not 0 to 9999, nor when the
  // user does not agree to "?" for characters the catalogue cannot store.
  void Add();
  // The fields as a new film would get them, or nothing when Add would refuse them (said).
  std::optional<core::FilmEntry> FieldsAsNewFilm() { return FilmFromFields(FieldsUse::Adding); }
  // Takes the selected film into the fields, to be changed and saved with SaveChanges. A
  // number of discs that is not 0 to 9999 is taken as it is stored, and said.
  void TakeSelected();
  // Replaces the film last taken into the fields, wherever it went meanwhile, by the fields
  // at the end of the list; when that film was deleted, only appends. Refused as Add is.
  void SaveChanges();
  // Opens the selected film's description.
  void DescribeSelected();
  // Replaces a title with the clipboard's text, on one line and cut to the title's limit.
  void PastePolishTitle();
  void PasteOriginalTitle();
  // The long status line for a click on a row.
  void ShowSelection();

 private:
  // The fields as the catalogue stores them, or nothing when the number of discs is not 0 to
  // 9999 (said in a box) or when the fields hold characters code page 1250 cannot and the user,
  // asked, does not take "?" in their place.
  std::optional<core::FilmEntry> FilmFromFields(FieldsUse use);

  core::Catalogue& catalogue_;
  toolkit::Dialogs& dialogs_;
  const toolkit::Control& owner_;
  FilmFields fields_;
  toolkit::Button& saveChangesButton_;
  StatusLine& status_;
  const AppPaths& paths_;
  std::function<void(const std::string&)> openDescription_;
};

}  // namespace kadrion::features
