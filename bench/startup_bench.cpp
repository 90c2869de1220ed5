// Start-up and close of the real main window with a catalogue of 100,000 films (under Wine or
// Windows): load and show, the first paint of the list, and writing the catalogue back.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "catalogue/catalogue_file.h"
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

double Since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
  constexpr int kFilms = 100000;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"kadrion-bench\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  CreateDirectoryW((folder + L"Dane").c_str(), nullptr);
  const kadrion::AppPaths paths{folder, folder};  // no link source: no download

  std::vector<kadrion::FilmEntry> films;
  for (int k = 0; k < kFilms; ++k)
    films.push_back({"Film numer " + std::to_string(k), "Original title " + std::to_string(k),
                     "Dramat", std::to_string(k % 5 + 1), "DVD"});
  kadrion::WriteCatalogue(paths.CataloguePath(), films);

  SilentDialogs dialogs;
  NoShell shell;
  toolkit::Application application(dialogs, shell);
  auto start = std::chrono::steady_clock::now();
  kadrion::TMainWindow window(paths);
  window.Create();
  const double created = Since(start);
  window.Show();
  application.ProcessMessages();
  const double shown = Since(start);

  start = std::chrono::steady_clock::now();
  window.WriteCatalogue();
  const double written = Since(start);

  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof(memory);
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
  std::printf("main window, %d films: created with the catalogue %.0f ms, shown and painted %.0f ms,"
              " catalogue written %.0f ms, peak working set %.1f MiB, rows %d, errors %d\n",
              kFilms, created, shown, written, memory.PeakWorkingSetSize / 1048576.0,
              window.Lista.Count(), dialogs.errors);

  DeleteFileW(paths.CataloguePath().c_str());
  DeleteFileW(paths.SettingsPath().c_str());
  RemoveDirectoryW((folder + L"Dane").c_str());
  RemoveDirectoryW(folder.c_str());
  return window.Lista.Count() == kFilms && dialogs.errors == 0 ? 0 : 1;
}
