#pragma once
// Where the program's files are: always beside the program file, whatever the working folder;
// the link strip's two files in the user's temporary folder. The one place that builds these
// paths.
#include <optional>
#include <string>
#include <string_view>

namespace kadrion::features {

struct AppPaths {
  std::wstring programFolder;  // with its closing backslash
  std::wstring tempFolder;     // the user's temporary folder, with its closing backslash

  std::wstring CataloguePath() const { return programFolder + L"Dane\\Dane.dat"; }
  // The catalogue as it was before its last save.
  std::wstring CatalogueBackupPath() const { return programFolder + L"Dane\\Dane.bak"; }
  std::wstring SettingsPath() const { return programFolder + L"Dane\\Baza.ini"; }
  // The notepad's notes: plain text despite the extension.
  std::wstring NotesPath() const { return programFolder + L"Dane\\Notatnik.ini"; }
  // What the films' records have no room for: years, directors, loans...
  std::wstring DetailsPath() const { return programFolder + L"Dane\\Szczeg\u00F3\u0142y.csv"; }
  // The HTML list of the catalogue, "Dane\Lista filmów.html".
  std::wstring HtmlListPath() const;
  // The description file of the film with this Polish title (Windows-1250), under "Opisy";
  // none for a title that would name a file outside that folder.
  std::optional<std::wstring> DescriptionPath(std::string_view polishTitle) const;
  // The launch counter and the copy of the remote link list.
  std::wstring LaunchCounterPath() const { return tempFolder + L"kat.ini"; }
  std::wstring LinkListPath() const { return tempFolder + L"kadrion.ini"; }
};

}  // namespace kadrion::features
