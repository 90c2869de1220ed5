#pragma once
// Adding, changing and deleting films through the edit fields beside the list.
#include <functional>
#include <optional>
#include <string>

#include "core/catalogue.h"
#include "core/shown_films.h"
#include "features/catalogue/description_files.h"
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

// The description window, as the editor uses it; titles in Windows-1250.
struct DescriptionView {
  // Shows the description of the film with this Polish title.
  std::function<void(const std::string& title)> open;
  // The description shown under `from`, if any, is now that of `to`.
  std::function<void(const std::string& from, const std::string& to)> retitle;
};

// A film taken into the fields stays taken, through every save, until Esc, "Wyczyść pola" or
// its delete ends the editing; the message panel says which film it is meanwhile.
class CatalogueEditor : private core::CatalogueObserver {
 public:
  // Questions go through `dialogs`, over `owner`.
  // A film added or saved that the list's filter hides is added all the same, and said so.
  CatalogueEditor(core::Catalogue& catalogue, const core::ShownFilms& shown, toolkit::Dialogs& dialogs,
                  const toolkit::Control& owner, FilmFields fields,
                  toolkit::Button& saveChangesButton, StatusLine& status,
                  DescriptionFiles& descriptions, DescriptionView descriptionView);
  ~CatalogueEditor();
  CatalogueEditor(const CatalogueEditor&) = delete;
  CatalogueEditor& operator=(const CatalogueEditor&) = delete;

  // Makes the fields take, by typing and pasting, no more than a catalogue record stores (one
  // character is one byte), and the number of discs only the digits of 0 to 9999.
  void LimitFields();
  // Appends the fields as a new film, empties the titles and opens the selected film's
  // description. Nothing is added while both titles are empty or the number of discs is not 0
  // to 9999, nor when the user does not agree to "?" for characters the catalogue cannot store.
  void Add();
  // The fields as a new film would get them, or nothing when Add would refuse them (said).
  std::optional<core::FilmEntry> FieldsAsNewFilm() { return FilmFromFields(FieldsUse::Adding); }
  // Takes the selected film into the fields, to be changed and saved with SaveChanges. A
  // number of discs that is not 0 to 9999 is taken as it is stored, and said.
  void TakeSelected();
  // Replaces the film taken into the fields, wherever it went meanwhile, by the fields at the
  // end of the list, where it stays selected and taken; its description goes with a new Polish
  // title. Refused as Add is; nothing happens while no film is taken.
  void SaveChanges();
  // Whether a film is taken into the fields.
  bool Editing() const { return catalogue_.Marked() != core::kNoFilm; }
  // The fields keep their texts; the film is no longer taken.
  void EndEditing();
  // "Wyczyść pola": empties both titles and ends the editing; genre, discs and medium stay for
  // the next film.
  void ClearFields();
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
  // Whether a title is filled in; says so and refuses when neither is.
  bool HasTitle(FieldsUse use);
  void CatalogueChanged(core::CatalogueChange change) override;
  // The "Zapisz zmiany" button and the message panel say whether a film is taken, and which.
  void ShowEditing();

  core::Catalogue& catalogue_;
  const core::ShownFilms& shown_;
  toolkit::Dialogs& dialogs_;
  const toolkit::Control& owner_;
  FilmFields fields_;
  toolkit::Button& saveChangesButton_;
  StatusLine& status_;
  DescriptionFiles& descriptions_;
  DescriptionView descriptionView_;
};

}  // namespace kadrion::features
