#pragma once
// Where the program's files are: always beside the program file, whatever the working folder.
#include <string>

namespace kadrion {

struct AppPaths {
  std::wstring programFolder;  // with its closing backslash

  std::wstring CataloguePath() const { return programFolder + L"Dane\\Dane.dat"; }
  std::wstring SettingsPath() const { return programFolder + L"Dane\\Baza.ini"; }
  // The notepad's notes: plain text despite the extension.
  std::wstring NotesPath() const { return programFolder + L"Dane\\Notatnik.ini"; }
};

}  // namespace kadrion
