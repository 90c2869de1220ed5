// Start-up and close of the real main window with a catalogue of 100,000 films (under Wine or
// Windows): load and show, the first paint of the list, and writing the catalogue back.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/program.h"
#include "features/catalogue/catalogue_file.h"
#include "toolkit/application.h"

#include <psapi.h>

namespace {

class SilentDialogs : public toolkit::Dialogs {
 public:
  void ShowMessage(HWND, const std::wstring&) override {}
  void ShowError(HWND, const std::wstring&) override { ++errors; }
  toolkit::Answer Ask(HWND, const std::wstring&) override { return toolkit::Answer::Cancel; }
  bool PickColor(HWND, COLORREF&) override { return false; }
  bool PickFont(HWND, toolkit::FontInfo&) override { return false; }
  bool OpenFiles(HWND, const std::vector<toolkit::FileFilter>&,
                 std::vector<std::wstring>&) override {
    return false;
  }
  int errors = 0;
};

class NoShell : public toolkit::Shell {
 public:
  void Open(const std::wstring&, bool) override {}
};

class NoKeys : public toolkit::Keyboard {
 public:
  void SendKey(BYTE, BYTE, DWORD) override {}
};

class NoIcons : public components::NotificationArea {
 public:
  void Notify(DWORD, const NOTIFYICONDATAW&) override {}
};

double Since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

}  // namespace

int main() {
  constexpr int kFilms = 100000;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"kadrion-bench\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  CreateDirectoryW((folder + L"Dane").c_str(), nullptr);
  const kadrion::AppPaths paths{folder, folder};

  std::vector<kadrion::FilmEntry> films;
  for (int k = 0; k < kFilms; ++k)
    films.push_back({"Film numer " + std::to_string(k), "Original title " + std::to_string(k),
                     "Dramat", std::to_string(k % 5 + 1), "DVD"});
  kadrion::WriteCatalogue(paths.CataloguePath(), paths.CatalogueBackupPath(), films);

  SilentDialogs dialogs;
  NoShell shell;
  NoKeys keyboard;
  NoIcons notificationArea;
  toolkit::Application application(dialogs);
  // No link source: nothing is downloaded.
  kadrion::Program program(paths, {dialogs, shell, keyboard, nullptr, notificationArea});
  auto start = std::chrono::steady_clock::now();
  program.Main().Create();
  const double created = Since(start);
  program.Main().Show();
  application.ProcessMessages();
  const double shown = Since(start);

  // Closing writes the catalogue back (and the settings and the launch counter).
  start = std::chrono::steady_clock::now();
  program.Main().Close();
  const double closed = Since(start);
  const auto written = kadrion::ReadCatalogue(paths.CataloguePath()).size();

  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof(memory);
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
  std::printf(
      "main window, %d films: created with the catalogue %.0f ms, shown and painted %.0f ms,"
      " closed with the catalogue written %.0f ms, peak working set %.1f MiB, films"
      " written %zu, errors %d\n",
      kFilms, created, shown, closed, memory.PeakWorkingSetSize / 1048576.0, written,
      dialogs.errors);

  for (const std::wstring& file : {paths.CataloguePath(), paths.CatalogueBackupPath(),
                                   paths.SettingsPath(), paths.LaunchCounterPath()})
    DeleteFileW(file.c_str());
  RemoveDirectoryW((folder + L"Dane").c_str());
  RemoveDirectoryW(folder.c_str());
  return written == kFilms && dialogs.errors == 0 ? 0 : 1;
}
