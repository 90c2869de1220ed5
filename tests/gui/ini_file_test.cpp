#include "toolkit/ini_file.h"

#include <gtest/gtest.h>

#include "test_support.h"
#include "toolkit/error.h"

namespace {

using namespace testing_support;

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
  EXPECT_EQ(IniValue(folder / L"Baza.ini", "Ustawienia", "No\x9Cnik"), "P\xB3yta Blu-ray \xAF\xD3\xA3\xC6");
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
  } catch (const toolkit::Error& e) {
    EXPECT_NE(e.Message().find(path), std::wstring::npos);
  }
}

}  // namespace
