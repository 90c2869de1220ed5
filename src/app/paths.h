#pragma once
// Where the program's files are: always beside the program file, whatever the working folder;
// the link strip's two files in the user's temporary folder.
#include <string>

namespace kadrion {

struct AppPaths {
  std::wstring programFolder;  // with its closing backslash
  std::wstring tempFolder;     // the user's temporary folder, with its closing backslash

  std::wstring CataloguePath() const { return programFolder + L"Dane\\Dane.dat"; }
  std::wstring SettingsPath() const { return programFolder + L"Dane\\Baza.ini"; }
  // The launch counter and the copy of the remote link list.
  std::wstring LaunchCounterPath() const { return tempFolder + L"kat.ini"; }
  std::wstring LinkListPath() const { return tempFolder + L"kadrion.ini"; }
  // The notepad's notes: plain text despite the extension.
  std::wstring NotesPath() const { return programFolder + L"Dane\\Notatnik.ini"; }
};

}  // namespace kadrion
