// Starts the built Kadrion.exe in a program folder of its own and drives it from outside, as a
// user or a UI-automation tool would: through its windows only.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "toolkit/ini_file.h"
#include "toolkit/win.h"

#include <shlobj.h>

namespace {

std::wstring OwnFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

std::wstring NewFolder(const std::wstring& name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"kadrion-process-" +
                              std::to_wstring(GetCurrentProcessId()) + L"-" + name + L"\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

std::string ReadText(const std::wstring& path) {
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string text(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
  CloseHandle(file);
  return text;
}

// Looked up by the name alone: a reader holding a file open keeps a save from replacing it.
DWORD SizeOf(const std::wstring& path) {  // of a file below 4 GB
  WIN32_FILE_ATTRIBUTE_DATA data{};
  return GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ? data.nFileSizeLow : 0;
}

void WriteText(const std::wstring& path, const std::string& text) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

// One record: five length-prefixed fields of 255, 255, 50, 10 and 50 characters.
std::string Record(const std::string& polish, const std::string& original) {
  std::string record(625, '\0');
  const std::pair<std::size_t, std::string> fields[] = {
      {0, polish}, {256, original}, {512, "Dramat"}, {563, "1"}, {574, "DVD"}};
  for (const auto& [offset, text] : fields) {
    record[offset] = static_cast<char>(text.size());
    record.replace(offset + 1, text.size(), text);
  }
  return record;
}

struct Process {
  PROCESS_INFORMATION info{};
  ~Process() {
    if (info.hProcess) {
      if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info.hProcess, 9);
      CloseHandle(info.hProcess);
      CloseHandle(info.hThread);
    }
  }
  DWORD Wait(DWORD ms) const {
    if (WaitForSingleObject(info.hProcess, ms) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    return code;
  }
};

// A top-level window of `process` whose class is `className`, waited for up to 20 s.
HWND FindProcessWindow(DWORD process, const wchar_t* className) {
  struct Search {
    DWORD process;
    const wchar_t* className;
    HWND found;
  } search{process, className, nullptr};
  struct Visit {
    static BOOL CALLBACK Window(HWND window, LPARAM param) {
      auto& s = *reinterpret_cast<Search*>(param);
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      wchar_t cls[64] = L"";
      GetClassNameW(window, cls, 64);
      if (owner == s.process && wcscmp(cls, s.className) == 0 && IsWindowVisible(window)) {
        s.found = window;
        return FALSE;
      }
      return TRUE;
    }
  };
  for (int tries = 0; tries < 400 && !search.found; ++tries) {
    EnumWindows(Visit::Window, reinterpret_cast<LPARAM>(&search));
    if (!search.found) Sleep(50);
  }
  return search.found;
}

class ProgramProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    // A Polish user's folder on a system whose ANSI code page holds neither "Ł" nor "ж":
    // every file the program keeps beside itself or in the temporary folder lies under it.
    folder =
        NewFolder(L"Filmy \u0141\u00F3d\u017A \u0436 " + std::wstring(name.begin(), name.end()));
    CreateDirectoryW((folder + L"Dane").c_str(), nullptr);
    CreateDirectoryW((folder + L"Opisy").c_str(), nullptr);
    ASSERT_TRUE(CopyFileW((OwnFolder() + L"Kadrion.exe").c_str(), (folder + L"Kadrion.exe").c_str(),
                          FALSE));
    // The program's temporary folder is the test folder (see Launch). The count of starts
    // with a downloaded link list is past 3, so no announcement page ever opens, even if the
    // maker's site is reachable; unreachable, the download gives up within its 5 s limit.
    WriteText(folder + L"kat.ini", "[inne]\r\n1=3\r\n");
  }

  void TearDown() override {
    for (const wchar_t* file :
         {L"Dane\\Dane.dat", L"Dane\\Dane.dat.tmp", L"Dane\\Dane.bak", L"Dane\\Dane.bak.tmp",
          L"Dane\\Baza.ini", L"Kadrion.exe", L"kat.ini", L"kadrion.ini", L"kadrion.ini.tmp"})
      DeleteFileW((folder + file).c_str());
    RemoveDirectoryW((folder + L"Dane").c_str());
    RemoveDirectoryW((folder + L"Opisy").c_str());
    RemoveDirectoryW(folder.c_str());
  }

  // Starts the program of the test folder, or the given command line.
  void Launch(Process& process, const std::wstring& workingFolder, std::wstring command = {}) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (command.empty()) command = L"\"" + folder + L"Kadrion.exe\"";
    // The program inherits TMP and TEMP pointing at the test folder, for its link strip files.
    const std::wstring tmp = Variable(L"TMP"), temp = Variable(L"TEMP");
    SetEnvironmentVariableW(L"TMP", folder.c_str());
    SetEnvironmentVariableW(L"TEMP", folder.c_str());
    const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0,
                                        nullptr, workingFolder.c_str(), &startup, &process.info);
    SetEnvironmentVariableW(L"TMP", tmp.empty() ? nullptr : tmp.c_str());
    SetEnvironmentVariableW(L"TEMP", temp.empty() ? nullptr : temp.c_str());
    ASSERT_TRUE(started);
  }

  static std::wstring Variable(const wchar_t* name) {
    wchar_t value[MAX_PATH] = L"";
    const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
    return length < MAX_PATH ? std::wstring(value, length) : std::wstring();
  }

  // The saved count of starts with a downloaded link list.
  std::wstring LaunchCount() const {
    return kadrion::toolkit::IniFile(folder + L"kat.ini").ReadString(L"inne", L"1", L"<none>");
  }

  std::wstring folder;
};

TEST_F(ProgramProcess, StartsLoadsTheCatalogueAndWritesItBackWhenClosed) {
  const std::string catalogue = Record("Matrix", "The Matrix") + Record("\xA3\xF3\x64\x9F", "Lodz");
  WriteText(folder + L"Dane\\Dane.dat", catalogue);
  // Started from another working folder: the files beside the program are the ones used.
  const std::wstring elsewhere = NewFolder(L"elsewhere");
  CreateDirectoryW((elsewhere + L"Dane").c_str(), nullptr);

  Process first;
  Launch(first, elsewhere);
  const HWND window = FindProcessWindow(first.info.dwProcessId, L"TMainWindow");
  ASSERT_TRUE(window) << "the main window appears";
  wchar_t caption[64] = L"";
  GetWindowTextW(window, caption, 64);
  EXPECT_STREQ(caption, L"Kadrion filmów");

  // A second copy ends at once and brings the first one back, wherever it was put away.
  for (const int putAway : {SW_MINIMIZE, SW_HIDE}) {
    ShowWindow(window, putAway);
    Process second;
    Launch(second, folder);
    EXPECT_EQ(second.Wait(10000), 0u) << "a second copy ends at once";
    for (int tries = 0; tries < 100 && (!IsWindowVisible(window) || IsIconic(window)); ++tries)
      Sleep(50);
    EXPECT_TRUE(IsWindowVisible(window)) << putAway;
    EXPECT_FALSE(IsIconic(window)) << putAway;
  }

  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(first.Wait(20000), 0u);
  EXPECT_TRUE(ReadText(folder + L"Dane\\Dane.dat") == catalogue) << "written back as it was";
  const std::string settings = ReadText(folder + L"Dane\\Baza.ini");
  EXPECT_NE(settings.find("[Ustawienia]\r\nG\xF3ra="), std::string::npos) << settings;
  EXPECT_NE(settings.find("[Okno]\r\n1=0\r\n"), std::string::npos) << settings;
  EXPECT_EQ(ReadText(elsewhere + L"Dane\\Dane.dat"), "<missing>");
  const std::wstring count = LaunchCount();
  EXPECT_TRUE(count == L"3" || count == L"4") << "written to the temporary folder";
  EXPECT_EQ(ReadText(elsewhere + L"Dane\\Baza.ini"), "<missing>");
  RemoveDirectoryW((elsewhere + L"Dane").c_str());
  RemoveDirectoryW(elsewhere.c_str());
}

TEST_F(ProgramProcess, AMissingCatalogueIsAnnouncedInAMessageBoxBeforeTheWindowOpens) {
  Process program;
  Launch(program, folder);
  const HWND box = FindProcessWindow(program.info.dwProcessId, L"#32770");
  ASSERT_TRUE(box) << "the message box appears";
  struct Collect {
    static BOOL CALLBACK Child(HWND child, LPARAM param) {
      wchar_t text[256] = L"";
      GetWindowTextW(child, text, 256);
      *reinterpret_cast<std::wstring*>(param) += std::wstring(text) + L"|";
      return TRUE;
    }
  };
  std::wstring texts;
  EnumChildWindows(box, Collect::Child, reinterpret_cast<LPARAM>(&texts));
  EXPECT_NE(texts.find(L"Nie znalazłem pliku: Dane\\Dane.dat. Zakładam nowy."), std::wstring::npos)
      << texts.size() << " characters of text in the box";
  PostMessageW(box, WM_COMMAND, IDOK, 0);

  const HWND window = FindProcessWindow(program.info.dwProcessId, L"TMainWindow");
  ASSERT_TRUE(window);
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.Wait(20000), 0u);
  EXPECT_EQ(ReadText(folder + L"Dane\\Dane.dat"), "") << "closing creates an empty catalogue";
}

TEST_F(ProgramProcess, KilledAtAnyMomentOfASaveItLeavesAWholeCatalogueAndBackup) {
  // 20,000 films (12.5 MB); each round is a run that adds a film from outside, closes, and is
  // killed somewhere in the close's save. Every other run first waits for the film to be
  // saved by itself, seconds after the change, and adds a second one before it closes: a kill
  // from then on loses nothing, and the backup stays the catalogue the run found.
  std::string saved;
  for (int film = 0; film < 20000; ++film)
    saved += Record("Film " + std::to_string(film), "Original " + std::to_string(film));
  const std::wstring dat = folder + L"Dane\\Dane.dat";
  WriteText(dat, saved);
  std::string savedBackup = "<missing>";

  struct Child {
    int id;
    HWND found;
    static BOOL CALLBACK Match(HWND child, LPARAM param) {
      auto& c = *reinterpret_cast<Child*>(param);
      if (GetDlgCtrlID(child) != c.id) return TRUE;
      c.found = child;
      return FALSE;
    }
  };
  const auto control = [](HWND window, int id) {
    Child child{id, nullptr};
    EnumChildWindows(window, Child::Match, reinterpret_cast<LPARAM>(&child));
    return child.found;
  };
  // The fields "p", "O", "g", "i", "n" and the button "AddBtn".
  constexpr int kFields[] = {202, 206, 209, 211, 213}, kAdd = 216;
  // Adds the film as a user does; returns its record.
  const auto add = [&](HWND window, const std::string& title) {
    const std::wstring texts[] = {std::wstring(title.begin(), title.end()), L"Original", L"Dramat",
                                  L"1", L"DVD"};
    for (int field = 0; field < 5; ++field)
      SendMessageW(control(window, kFields[field]), WM_SETTEXT, 0,
                   reinterpret_cast<LPARAM>(texts[field].c_str()));
    SendMessageW(control(window, kAdd), BM_CLICK, 0, 0);
    return Record(title, "Original");
  };

  std::mt19937 random(20261208);
  DWORD saveMs = 400;  // measured by the first round, which is not killed
  int keptOld = 0, tookNew = 0;
  for (int round = 0; round <= 50; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    Process program;
    Launch(program, folder);
    const HWND window = FindProcessWindow(program.info.dwProcessId, L"TMainWindow");
    ASSERT_TRUE(window);
    const std::string found = saved;
    std::string added = add(window, "Nowy " + std::to_string(round));
    if (round % 2 == 0) {
      const std::string autosaved = saved + added;
      for (int tries = 0; tries < 200 && SizeOf(dat) != autosaved.size(); ++tries) Sleep(100);
      ASSERT_TRUE(ReadText(dat) == autosaved) << "not saved within 20 s of the change";
      saved = autosaved;
      added = add(window, "Drugi " + std::to_string(round));
    }

    const DWORD start = GetTickCount();
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (round == 0) {
      ASSERT_EQ(program.Wait(30000), 0u);
      saveMs = std::max<DWORD>(GetTickCount() - start, 20);
    } else {
      Sleep(std::uniform_int_distribution<DWORD>(0, saveMs)(random));
      TerminateProcess(program.info.hProcess, 9);
      program.Wait(10000);
    }

    const std::string now = ReadText(dat);
    const std::string grown = saved + added;
    ASSERT_TRUE(now == saved || now == grown)
        << now.size() << " bytes: neither the old nor the new catalogue";
    (now == saved ? keptOld : tookNew) += 1;
    // The backup is the catalogue the run found, whole, once a save of the run finished; until
    // then the one before it may still stand.
    const std::string backup = ReadText(folder + L"Dane\\Dane.bak");
    ASSERT_TRUE(backup == found || (now == found && backup == savedBackup))
        << (backup == "<missing>" ? "no" : std::to_string(backup.size()) + " bytes of")
        << " backup";
    saved = now;
    savedBackup = backup;
  }
  std::printf(
      "[          ] save %lu ms; killed rounds kept the old catalogue %d times, had the new "
      "one %d times\n",
      static_cast<unsigned long>(saveMs), keptOld, tookNew - 1);
}

#ifdef KADRION_INSTALLER
bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The installer run silently as a user would script it, the installed program, and the
// uninstaller, which takes the program and keeps the user's films.
TEST_F(ProgramProcess, TheInstallerInstallsForTheUserAndTheUninstallerKeepsTheFilms) {
  const std::wstring target = folder + L"Programy\\Kadrion";
  wchar_t programs[MAX_PATH] = L"";
  ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_PROGRAMS, nullptr, 0, programs), S_OK);
  const std::wstring shortcut = std::wstring(programs) + L"\\Kadrion.lnk";

  Process setup;
  Launch(setup, folder, L"\"" + OwnFolder() + KADRION_INSTALLER + L"\" /S /D=" + target);
  ASSERT_EQ(setup.Wait(60000), 0u);
  for (const wchar_t* part : {L"\\Kadrion.exe", L"\\Odinstaluj.exe", L"\\Dane", L"\\Opisy"})
    EXPECT_TRUE(Exists(target + part)) << part;
  EXPECT_TRUE(Exists(shortcut)) << "a Start-menu shortcut";

  // The installed program starts on its new folder and writes its catalogue when closed.
  Process program;
  Launch(program, target, L"\"" + target + L"\\Kadrion.exe\"");
  const HWND box = FindProcessWindow(program.info.dwProcessId, L"#32770");
  ASSERT_TRUE(box) << "a new catalogue is announced";
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  const HWND window = FindProcessWindow(program.info.dwProcessId, L"TMainWindow");
  ASSERT_TRUE(window);
  PostMessageW(window, WM_CLOSE, 0, 0);
  ASSERT_EQ(program.Wait(20000), 0u);
  ASSERT_TRUE(Exists(target + L"\\Dane\\Dane.dat"));

  // The uninstaller hands over to a copy of itself in the temporary folder and ends.
  Process uninstall;
  Launch(uninstall, folder, L"\"" + target + L"\\Odinstaluj.exe\" /S");
  EXPECT_EQ(uninstall.Wait(30000), 0u);
  for (int tries = 0; tries < 300 && Exists(target + L"\\Odinstaluj.exe"); ++tries) Sleep(100);
  EXPECT_FALSE(Exists(target + L"\\Kadrion.exe"));
  EXPECT_FALSE(Exists(target + L"\\Odinstaluj.exe"));
  EXPECT_FALSE(Exists(shortcut));
  EXPECT_TRUE(Exists(target + L"\\Dane\\Dane.dat")) << "the films stay";
  EXPECT_TRUE(Exists(target + L"\\Opisy"));

  for (const wchar_t* file : {L"\\Dane\\Dane.dat", L"\\Dane\\Baza.ini"})
    DeleteFileW((target + file).c_str());
  for (const wchar_t* part : {L"\\Dane", L"\\Opisy", L""})
    RemoveDirectoryW((target + part).c_str());
  RemoveDirectoryW((folder + L"Programy").c_str());
}
#endif

}  // namespace
