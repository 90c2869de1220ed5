#include "toolkit/ini_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "test_support.h"
#include "toolkit/error.h"
#include "toolkit/text.h"

namespace kadrion::toolkit {
namespace {

using namespace testing_support;

// The path as the narrow profile functions take it; the test folders hold ASCII only.
std::string Narrow(const std::wstring& path) {
  return toolkit::ToCp1250(path);
}

// Our file sits in a folder whose name the system's ANSI code page cannot hold; the system's
// own functions, the reference, write theirs beside it.
struct ComparedFiles {
  ComparedFiles() { CreateDirectoryW(ours.substr(0, ours.rfind(L'\\')).c_str(), nullptr); }
  TempFolder folder;
  const std::wstring ours = folder / L"Łódź ж\\Baza.ini";
  const std::wstring system = folder / L"Baza.ini";
};

TEST(IniFile, WritesTheBytesOfTheSystemsProfileFunctions) {
  struct Write {
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* value;
  };
  const struct {
    std::optional<std::string> start;  // nothing: no file yet
    std::vector<Write> writes;
  } cases[] = {
      {std::nullopt,
       {{L"Ustawienia", L"Góra", L"-4"},
        {L"Ustawienia", L"Lewo", L"-4"},
        {L"Ustawienia", L"Wysokość", L"608"},
        {L"Okno", L"1", L"0"},
        {L"Ustawienia", L"Nośnik", L"Płyta ŻÓŁĆ"},
        {L"Ustawienia", L"Góra", L"10"},
        {L"Okno", L"1", L"0"}}},
      {"[Ustawienia]\r\nG\xF3ra=1\r\nKt=14548991\r\n[Okno]\r\n1=1\r\n",
       {{L"Ustawienia", L"Wysokość", L"600"},
        {L"Okno", L"1", L"0"},
        {L"Nowa", L"x", L"y"},
        {L"ustawienia", L"GóRA", L"5"}}},
      {"[Okno]\r\n1=1", {{L"Okno", L"2", L"3"}, {L"Inne", L"1", L"1"}}},
      {"", {{L"Ustawienia", L"Nośnik", L"  DVD "}, {L"Ustawienia", L"Nazwa", L"\"MS Sans\""}}},
      {"[a]\r\nx=1\r\n[b]\r\n[a]\r\ny=1\r\n", {{L"a", L"y", L"2"}, {L"b", L"y", L"3"}}},
  };
  for (const auto& c : cases) {
    ComparedFiles files;
    if (c.start) {
      WriteFileText(files.ours, *c.start);
      WriteFileText(files.system, *c.start);
    }
    toolkit::IniFile ini(files.ours);
    for (const Write& w : c.writes) {
      ini.WriteString(w.section, w.key, w.value);
      ASSERT_TRUE(WritePrivateProfileStringA(
          toolkit::ToCp1250(w.section).c_str(), toolkit::ToCp1250(w.key).c_str(),
          toolkit::ToCp1250(w.value).c_str(), Narrow(files.system).c_str()));
    }
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, Narrow(files.system).c_str());
    EXPECT_EQ(ReadFileText(files.ours), ReadFileText(files.system)) << c.start.value_or("-");
  }
}

TEST(IniFile, ReadsWhatTheSystemsProfileFunctionsRead) {
  const std::string text =
      "; uwaga\r\n[Ustawienia]\r\n  G\xF3ra =  -4  \r\nQ1=\"DVD\"\r\nQ2='x\"\r\nQ3=\"\r\n"
      "Pusty=\r\nBez r\xF3wna\r\n\xA3=1\r\nk=pierwszy\r\nK=drugi\r\n\r\n[ Okno ]\n1=1\n"
      "[ustawienia]\r\nPotem=2\r\n";
  ComparedFiles files;
  WriteFileText(files.ours, text);
  WriteFileText(files.system, text);
  const toolkit::IniFile ini(files.ours);
  for (const auto& [section, key] :
       std::vector<std::pair<const char*, const char*>>{{"Ustawienia", "G\xF3ra"},
                                                        {" USTAWIENIA ", "g\xF3RA"},
                                                        {"Ustawienia", "Q1"},
                                                        {"Ustawienia", "Q2"},
                                                        {"Ustawienia", "Q3"},
                                                        {"Ustawienia", "Pusty"},
                                                        {"Ustawienia", "Bez r\xF3wna"},
                                                        {"Ustawienia", "\xB3"},
                                                        {"Ustawienia", "k"},
                                                        {"Okno", "1"},
                                                        {"Ustawienia", "Potem"},
                                                        {"Brak", "1"}}) {
    char expected[2048];
    const DWORD length = GetPrivateProfileStringA(section, key, "<brak>", expected,
                                                  sizeof(expected), Narrow(files.system).c_str());
    EXPECT_EQ(ini.ReadString(toolkit::FromCp1250(section), toolkit::FromCp1250(key), L"<brak>"),
              toolkit::FromCp1250(std::string(expected, length)))
        << section << " / " << key;
  }
}

TEST(IniFile, ReadsMissingFilesAndKeysAsTheDefaults) {
  TempFolder folder;
  toolkit::IniFile ini(folder / L"Brak.ini");
  EXPECT_EQ(ini.ReadInteger(L"Ustawienia", L"Góra", -4), -4);
  EXPECT_EQ(ini.ReadString(L"Ustawienia", L"Nośnik", L"DVD"), L"DVD");
  EXPECT_FALSE(ini.ReadBool(L"Ustawienia", L"Zawsze na wierzchu", false));
}

TEST(IniFile, KeepsPolishKeysAndValuesInWindows1250) {
  TempFolder folder;
  toolkit::IniFile ini(folder / L"Baza.ini");
  ini.WriteString(L"Ustawienia", L"Nośnik", L"Płyta Blu-ray ŻÓŁĆ");
  ini.WriteInteger(L"Ustawienia", L"Wysokość", -608);
  ini.WriteBool(L"Ustawienia", L"Zawsze na wierzchu", true);
  EXPECT_EQ(IniValue(folder / L"Baza.ini", "Ustawienia", "No\x9Cnik"),
            "P\xB3yta Blu-ray \xAF\xD3\xA3\xC6");
  EXPECT_EQ(IniValue(folder / L"Baza.ini", "Ustawienia", "Wysoko\x9C\xE6"), "-608");
  EXPECT_EQ(ini.ReadString(L"Ustawienia", L"Nośnik", L""), L"Płyta Blu-ray ŻÓŁĆ");
  EXPECT_EQ(ini.ReadInteger(L"Ustawienia", L"Wysokość", 0), -608);
  EXPECT_TRUE(ini.ReadBool(L"Ustawienia", L"Zawsze na wierzchu", false));
}

TEST(IniFile, ReadsStringsUpTo2047Characters) {
  TempFolder folder;
  WriteFileText(folder / L"a.ini", "[s]\r\nk=" + std::string(3000, 'a') + "\r\n");
  toolkit::IniFile ini(folder / L"a.ini");
  EXPECT_EQ(ini.ReadString(L"s", L"k", L"").size(), 2047u);
}

TEST(IniFile, AFailedWriteRaisesAnErrorNamingTheFile) {
  TempFolder folder;
  const std::wstring path = folder / L"Brak\\Baza.ini";
  toolkit::IniFile ini(path);
  try {
    ini.WriteInteger(L"Ustawienia", L"Góra", 1);
    FAIL() << "no error";
  } catch (const kadrion::core::Failure& e) {
    EXPECT_NE(e.Message().find(path), std::wstring::npos);
  }
}

}  // namespace
}  // namespace kadrion::toolkit
