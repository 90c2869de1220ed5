// The description window: its files, its appearance in the settings file, the question before
// unsaved text is replaced or let go, and the key chords of the speech reader hand-over.
#include <gtest/gtest.h>

#include <optional>

#include "program_fixture.h"
#include "test_support.h"
#include "toolkit/clipboard.h"
#include "toolkit/text.h"

namespace kadrion::app {
namespace {

using namespace testing_support;
using toolkit::Answer;

core::FilmEntry Film(const char* polish) {
  return core::FilmEntry{polish, "Orig", "Dramat", "1", "DVD"};
}

class DescriptionWindowTest : public ProgramTest {
 protected:
  // The next start of the program, over the files as they are now.
  void Restart() { ProgramTest::Start(); }

  void OpenRow(int row) {
    List().Select(row);
    Press(id::AllClearBtn);
  }
  std::wstring DescriptionFile(const std::wstring& title) {
    return folder / (L"Opisy\\" + title + L".txt");
  }
  bool Shown() { return IsWindowVisible(Description().Handle()) != 0; }
  toolkit::Button& Button(int id) { return InDescription(id); }
  std::wstring ReaderCaption() { return Button(id::form2::lek).WText(); }
};

TEST_F(DescriptionWindowTest, OpeningLoadsTheFileWithEveryLineBreakMadeCrLf) {
  WriteFileText(DescriptionFile(L"Matrix"), "jeden\ndwa\rtrzy\r\n\xB3\xF3\x64\x9F\r");
  Start({Film("Ala"), Film("Matrix")});
  OpenRow(1);

  EXPECT_TRUE(Shown());
  EXPECT_EQ(Description().Caption(), L"Matrix");
  EXPECT_EQ(InDescription<toolkit::Label>(id::form2::Sc).WText(), L"Matrix");
  EXPECT_FALSE(InDescription<toolkit::Label>(id::form2::Sc).Visible());
  EXPECT_EQ(DescriptionText().WText(), L"jeden\r\ndwa\r\ntrzy\r\nłódź\r\n");
  EXPECT_FALSE(Description().Modified());

  // Saved unchanged, the file now holds CR LF everywhere and nothing more.
  Press(Button(id::form2::Guardar));
  EXPECT_EQ(ReadFileText(DescriptionFile(L"Matrix")),
            "jeden\r\ndwa\r\ntrzy\r\n\xB3\xF3\x64\x9F\r\n");
}

// A colon, which Windows forbids in file names, is written in the name as its code.
TEST_F(DescriptionWindowTest, AFilmWithoutAFileShowsAnEmptyTextAndSavingCreatesIt) {
  Start({Film("\xA3\xF3\x64\x9F: Nowa nadzieja")});  // Łódź
  const std::wstring file = DescriptionFile(L"Łódź%3A Nowa nadzieja");
  OpenRow(0);
  EXPECT_TRUE(Shown());
  EXPECT_EQ(DescriptionText().WText(), L"");
  EXPECT_TRUE(Dialogs().errors.empty());

  DescriptionText().SetWText(L"Pierwsza linia\r\nDruga bez końca linii");
  Press(Button(id::form2::Guardar));
  EXPECT_EQ(ReadFileText(file), "Pierwsza linia\r\nDruga bez ko\xF1\x63\x61 linii");
  EXPECT_FALSE(Description().Modified());
  EXPECT_FALSE(Exists(file + L".tmp"));
  Restart();
  OpenRow(0);
  EXPECT_EQ(DescriptionText().WText(), L"Pierwsza linia\r\nDruga bez końca linii");
}

TEST_F(DescriptionWindowTest, ClearThenSaveLeavesAnEmptyFileNotADeletedOne) {
  WriteFileText(DescriptionFile(L"Matrix"), "opis");
  Start({Film("Matrix")});
  OpenRow(0);
  Press(Button(id::form2::Kasuj));
  EXPECT_EQ(DescriptionText().WText(), L"");
  EXPECT_EQ(ReadFileText(DescriptionFile(L"Matrix")), "opis") << "untouched until saved";
  Press(Button(id::form2::Guardar));
  ASSERT_TRUE(Exists(DescriptionFile(L"Matrix")));
  EXPECT_TRUE(ReadFileBytes(DescriptionFile(L"Matrix")).empty());
}

TEST_F(DescriptionWindowTest, SavingWritesTheFilmOpenedLastWhateverIsSelectedNow) {
  Start({Film("A"), Film("B")});
  OpenRow(0);
  DescriptionText().SetWText(L"opis A");
  List().Select(1);
  Press(Button(id::form2::Guardar));
  EXPECT_EQ(ReadFileText(DescriptionFile(L"A")), "opis A");
  EXPECT_FALSE(Exists(DescriptionFile(L"B")));
}

TEST_F(DescriptionWindowTest, OpensFromTheButtonAndTheEndOfAddOnlyWithASelection) {
  Start({Film("A"), Film("B"), Film("C"), Film("D"), Film("E")});
  Press(InMain(id::AllClearBtn));
  EXPECT_FALSE(Shown()) << "no row selected";

  List().Select(2);
  Field(id::p).SetWText(L"Nowy");
  Press(InMain(id::AddBtn));
  EXPECT_TRUE(Shown());
  EXPECT_EQ(Description().Caption(), L"C") << "the selected row, not the added one";

  // "Wyczyść pola" empties the titles and ends the editing; genre, discs, medium stay.
  Description().Hide();
  DoubleClickRow(4);
  ChooseFromListMenu(L"Wyczyść pola");
  EXPECT_FALSE(Shown());
  EXPECT_EQ(TextOf(id::p) + TextOf(id::O), L"");
  EXPECT_EQ(TextOf(id::g), L"Dramat");
  EXPECT_FALSE(InMain(id::SaveBtn).Enabled());

  Description().Hide();
  List().Select(-1);
  Press(InMain(id::AddBtn));
  EXPECT_FALSE(Shown());
}

TEST_F(DescriptionWindowTest, ATitleWithABackslashNamesASubfolderThatMustExist) {
  Start({Film("Seriale\\Odcinek 1")});
  OpenRow(0);
  DescriptionText().SetWText(L"tekst");
  Press(Button(id::form2::Guardar));
  ASSERT_EQ(Dialogs().errors.size(), 1u);
  EXPECT_NE(Dialogs().errors[0].find(L"Opisy\\Seriale\\Odcinek 1.txt"), std::wstring::npos)
      << "the error names the file";
  EXPECT_TRUE(Description().Modified());

  CreateDirectoryW((folder / L"Opisy\\Seriale").c_str(), nullptr);
  Press(Button(id::form2::Guardar));
  EXPECT_EQ(ReadFileText(DescriptionFile(L"Seriale\\Odcinek 1")), "tekst");
}

TEST_F(DescriptionWindowTest, WithoutTheDescriptionsFolderSavingFailsAndChangesNothingElse) {
  Start({Film("Matrix")});
  RemoveDirectoryW((folder / L"Opisy").c_str());
  OpenRow(0);
  DescriptionText().SetWText(L"tekst");
  Press(Button(id::form2::Guardar));
  ASSERT_EQ(Dialogs().errors.size(), 1u);
  EXPECT_NE(Dialogs().errors[0].find(L"Matrix.txt"), std::wstring::npos);
  EXPECT_EQ(DescriptionText().WText(), L"tekst");
  EXPECT_FALSE(Exists(folder / L"Opisy"));
  EXPECT_EQ(Model().Count(), 1);
}

// Another program holds the file, or the title is too long to name one: the save names the
// file and loses nothing.
TEST_F(DescriptionWindowTest, ASaveThatCannotWriteTheFileKeepsTheText) {
  WriteFileText(DescriptionFile(L"Zamek"), "stary");
  Start({Film("Zamek"), Film(std::string(300, 'x').c_str())});
  OpenRow(0);
  DescriptionText().SetWText(L"nowy");
  {
    FileLock lock(DescriptionFile(L"Zamek"));
    Press(Button(id::form2::Guardar));
  }
  EXPECT_TRUE(Description().Modified());
  Dialogs().answer = Answer::No;
  OpenRow(1);
  DescriptionText().SetWText(L"nowy");
  Press(Button(id::form2::Guardar));
  ASSERT_EQ(Dialogs().errors.size(), 2u);
  EXPECT_NE(Dialogs().errors[0].find(L"Opisy\\Zamek.txt"), std::wstring::npos);
  EXPECT_NE(Dialogs().errors[1].find(L"Opisy\\xxxxxxxxxx"), std::wstring::npos);
  EXPECT_EQ(DescriptionText().WText(), L"nowy");
  EXPECT_TRUE(Description().Modified());
  EXPECT_EQ(ReadFileText(DescriptionFile(L"Zamek")), "stary");
}

TEST_F(DescriptionWindowTest, ATitleNamingAFileOutsideTheFolderOrADeviceHasNoDescription) {
  WriteFileText(folder / L"Dane\\Dane.txt", "nie opis");
  for (const char* title : {"..\\Dane\\Dane", "con"}) {
    SCOPED_TRACE(title);
    Dialogs().Clear();
    Start({Film(title)});
    OpenRow(0);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(DescriptionText().WText(), L"") << "nothing outside is read";

    DescriptionText().SetWText(L"nadpisane");
    Press(Button(id::form2::Guardar));
    ASSERT_EQ(Dialogs().errors.size(), 1u);
    EXPECT_NE(Dialogs().errors[0].find(L"nie jest nazwą pliku w folderze Opisy"),
              std::wstring::npos);
    EXPECT_EQ(ReadFileText(folder / L"Dane\\Dane.txt"), "nie opis");
  }
}

TEST_F(DescriptionWindowTest, AnUnreadableFileShowsAnErrorAndTheWindowStaysAsItWas) {
  WriteFileText(DescriptionFile(L"Matrix"), "opis");
  Start({Film("Matrix"), Film("Alien")});
  FileLock lock(DescriptionFile(L"Matrix"));
  ASSERT_TRUE(lock.Locked());
  OpenRow(0);
  EXPECT_EQ(Dialogs().errors.size(), 1u);
  EXPECT_FALSE(Shown());
  EXPECT_EQ(DescriptionText().WText(), L"");

  // Shown with another film, the window keeps that film and its text.
  OpenRow(1);
  DescriptionText().SetWText(L"obcy");
  Press(Button(id::form2::Guardar));
  OpenRow(0);
  EXPECT_EQ(Dialogs().errors.size(), 2u);
  EXPECT_EQ(Description().Caption(), L"Alien");
  EXPECT_EQ(DescriptionText().WText(), L"obcy");
  DescriptionText().SetWText(L"obcy z kosmosu");
  Press(Button(id::form2::Guardar));
  EXPECT_EQ(ReadFileText(DescriptionFile(L"Alien")), "obcy z kosmosu");
}

// The description file is Windows-1250 too: such text is stored as the code page's
// replacement, and a box says so at each save that replaced something.
TEST_F(DescriptionWindowTest, CharactersTheCodePageCannotHoldAreSaidAtTheSave) {
  Start({Film("Matrix")});
  OpenRow(0);
  DescriptionText().SetWText(L"Łódź");
  Press(Button(id::form2::Guardar));
  EXPECT_TRUE(Dialogs().messages.empty());
  DescriptionText().SetWText(L"Брат \U0001F600");
  Press(Button(id::form2::Guardar));
  ASSERT_EQ(Dialogs().messages.size(), 1u);
  EXPECT_EQ(Dialogs().messages[0],
            L"Niektórych znaków nie da się zapisać w pliku opisu (strona kodowa 1250); "
            L"zastąpiono je podobnymi lub znakiem \u201E?\u201D.");
  EXPECT_EQ(ReadFileText(DescriptionFile(L"Matrix")).substr(0, 5), "???? ");
  EXPECT_EQ(DescriptionText().WText(), L"Брат \U0001F600") << "the window keeps what was typed";
  EXPECT_FALSE(Description().Modified());
  EXPECT_TRUE(Dialogs().errors.empty());
}

TEST_F(DescriptionWindowTest, UnchangedTextAsksNothingAndClearingIsAChange) {
  WriteFileText(DescriptionFile(L"A"), "opis A");
  Start({Film("A"), Film("B")});
  OpenRow(0);
  OpenRow(1);
  OpenRow(0);
  Description().Close();
  EXPECT_TRUE(Dialogs().questions.empty());

  // The question also comes at the end of Add, which adds the film whatever the answer.
  OpenRow(0);
  Press(Button(id::form2::Kasuj));
  List().Select(1);
  Field(id::p).SetWText(L"Nowy");
  Press(InMain(id::AddBtn));
  EXPECT_EQ(Dialogs().questions.size(), 1u);
  EXPECT_EQ(Model().Count(), 3);
  EXPECT_EQ(Description().Caption(), L"A");
}

// Changed text when another film's description opens, the window closes or the program ends:
// "Tak" saves it, "Nie" lets it go, "Anuluj" or a failed save keep the window, its text, the
// program and every file as they were. The end of the Windows session saves it unasked.
TEST_F(DescriptionWindowTest, ChangedTextIsAskedAboutBeforeItIsLetGoAndSavedAtTheSessionEnd) {
  enum class End { AnotherFilm, Window, Program, Session };
  const struct {
    End end;
    Answer answer;
    bool locked;
    std::string file;
    bool letGo;
  } cases[] = {
      {End::AnotherFilm, Answer::Yes, false, "nowy", true},
      {End::AnotherFilm, Answer::No, false, "stary", true},
      {End::AnotherFilm, Answer::Cancel, false, "stary", false},
      {End::AnotherFilm, Answer::Yes, true, "stary", false},
      {End::Window, Answer::Yes, false, "nowy", true},
      {End::Window, Answer::No, false, "stary", true},
      {End::Window, Answer::Cancel, false, "stary", false},
      {End::Window, Answer::Yes, true, "stary", false},
      {End::Program, Answer::Yes, false, "nowy", true},
      {End::Program, Answer::No, false, "stary", true},
      {End::Program, Answer::Cancel, false, "stary", false},
      {End::Program, Answer::Yes, true, "stary", false},
      {End::Session, Answer::Cancel, false, "nowy", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(&c - cases));
    WriteFileText(DescriptionFile(L"Matrix"), "stary");
    DeleteFileW((folder / L"kat.ini").c_str());
    Start({Film("Matrix"), Film("Alien")});
    Model().Append(Film("Nowy"));
    OpenRow(0);
    DescriptionText().SetWText(L"nowy");
    Dialogs().Clear();
    Dialogs().answer = c.answer;
    {
      std::optional<FileLock> lock;
      if (c.locked) lock.emplace(DescriptionFile(L"Matrix"));
      if (c.end == End::AnotherFilm) OpenRow(1);
      if (c.end == End::Window) Description().Close();
      if (c.end == End::Program) CloseWindow(Main());
      if (c.end == End::Session)
        SendMessageW(Main().Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    }
    const std::wstring question =
        c.end == End::AnotherFilm
            ? L"Opis filmu \u201EMatrix\u201D został zmieniony.\nZapisać go przed otwarciem "
              L"następnego opisu?"
            : L"Zapisać zmiany w opisie \u201EMatrix\u201D?";
    EXPECT_EQ(Dialogs().questions,
              c.end == End::Session ? std::vector<std::wstring>{} : std::vector{question});
    EXPECT_EQ(ReadFileText(DescriptionFile(L"Matrix")), c.file);
    EXPECT_EQ(Dialogs().errors.size(), c.locked ? 1u : 0u);
    EXPECT_EQ(Description().Modified(), !c.letGo);
    if (!c.letGo) {
      EXPECT_TRUE(Shown());
      EXPECT_EQ(Description().Caption(), L"Matrix");
      EXPECT_EQ(DescriptionText().WText(), L"nowy");
      EXPECT_TRUE(IsWindowVisible(Main().Handle()));
      EXPECT_EQ(ReadFileBytes(Dat()).size(), 2 * core::kRecordSize) << "the catalogue unsaved";
      EXPECT_FALSE(Exists(folder / L"kat.ini"));
    } else if (c.end == End::Program) {
      EXPECT_FALSE(IsWindow(Main().Handle()));
    } else {
      EXPECT_EQ(Shown(), c.end != End::Window);
      OpenRow(0);  // opened again, it shows the file and asks nothing more
      EXPECT_EQ(Dialogs().questions.size(), c.end == End::Session ? 0u : 1u);
      EXPECT_EQ(DescriptionText().Text(), c.file);
    }
  }
}

TEST_F(DescriptionWindowTest, AppearanceDefaultsAndTheKeysWrittenAtClose) {
  Start({Film("A")});
  EXPECT_EQ(DescriptionText().Color(), 14145495u);
  EXPECT_EQ(DescriptionText().GetFont(),
            (toolkit::FontInfo{L"MS Sans Serif", 10, toolkit::fsBold, 1, 8388608}));
  EXPECT_FALSE(Description().StayOnTop());

  DeleteFileW((folder / L"Dane\\Baza.ini").c_str());
  OpenRow(0);
  Description().Close();
  EXPECT_FALSE(Shown());
  for (const auto& [key, value] : {std::pair{"Kt2", "14145495"}, {"Kc2", "8388608"},
                                    {"Nazwa czcionki2", "MS Sans Serif"}, {"Skrypt2", "1"}})
    EXPECT_EQ(IniValue(folder / L"Dane\\Baza.ini", "Ustawienia", key), value) << key;
}

TEST_F(DescriptionWindowTest, ColourAndFontChoicesPersistThroughACloseOnly) {
  Start({Film("A")});
  OpenRow(0);

  // Cancelled choosers change nothing; they were preset to the current values.
  Press(Button(id::form2::BitBtn2));
  Press(Button(id::form2::BitBtn3));
  EXPECT_EQ(Dialogs().presetColors, std::vector<COLORREF>{14145495});
  ASSERT_EQ(Dialogs().presetFonts.size(), 1u);
  EXPECT_EQ(Dialogs().presetFonts[0], DescriptionText().GetFont());
  EXPECT_EQ(DescriptionText().Color(), 14145495u);

  const toolkit::FontInfo chosen{L"Arial", 14, toolkit::fsItalic | toolkit::fsUnderline, 238,
                                 RGB(10, 20, 30)};
  Dialogs().chosenColor = RGB(1, 2, 3);
  Dialogs().chosenFont = chosen;
  Press(Button(id::form2::BitBtn2));
  Press(Button(id::form2::BitBtn3));
  EXPECT_EQ(DescriptionText().Color(), RGB(1, 2, 3));
  EXPECT_EQ(DescriptionText().GetFont(), chosen);

  Restart();
  EXPECT_EQ(DescriptionText().Color(), 14145495u) << "not written without a close";

  Dialogs().chosenColor = RGB(1, 2, 3);
  OpenRow(0);
  Press(Button(id::form2::BitBtn2));
  Press(Button(id::form2::BitBtn3));
  Description().Close();
  EXPECT_EQ(IniValue(folder / L"Dane\\Baza.ini", "Ustawienia", "Kc2"), "1971210");
  EXPECT_EQ(IniValue(folder / L"Dane\\Baza.ini", "Ustawienia", "Font2"), "6");
  Restart();
  EXPECT_EQ(DescriptionText().Color(), RGB(1, 2, 3));
  EXPECT_EQ(DescriptionText().GetFont(), chosen);
}

TEST_F(DescriptionWindowTest, AFailedSettingsWriteKeepsTheWindowOpenUntilTheNextClose) {
  Start({Film("A")});
  OpenRow(0);
  {
    FileLock lock(folder / L"Dane\\Baza.ini");
    ASSERT_TRUE(lock.Locked());
    Description().Close();
    EXPECT_EQ(Dialogs().errors.size(), 1u);
    EXPECT_TRUE(Shown());
  }
  Description().Close();
  EXPECT_FALSE(Shown());
  EXPECT_EQ(IniValue(folder / L"Dane\\Baza.ini", "Ustawienia", "Skrypt2"), "1");
}

TEST_F(DescriptionWindowTest, FollowsTheMainWindowOnTopWhenCreated) {
  WriteFileText(Ini(), "[Ustawienia]\r\nZawsze na wierzchu=1\r\n");
  Start({Film("A")});
  EXPECT_TRUE(Description().StayOnTop());
}

// The reader hand-over, as a reader watching the keyboard sees it: the chords pressed (the
// letter with the modifiers held down at that moment) and the keys still held at the end.
using Event = RecordingKeyboard::Event;
struct SeenKeys {
  std::vector<std::string> chords;
  bool allReleased;
};
SeenKeys Replay(const std::vector<Event>& events) {
  SeenKeys seen{{}, true};
  bool control = false, shift = false, letterDown = false;
  for (const Event& event : events) {
    EXPECT_EQ(event.scanCode, 0x45) << "every event carries scan code 0x45";
    EXPECT_TRUE(event.flags & KEYEVENTF_EXTENDEDKEY);
    const bool down = !(event.flags & KEYEVENTF_KEYUP);
    if (event.key == VK_LCONTROL) {
      control = down;
    } else if (event.key == VK_LSHIFT) {
      shift = down;
    } else {
      if (down) {
        seen.chords.push_back(std::string(control ? "Ctrl+" : "") + (shift ? "Shift+" : "") +
                              static_cast<char>(event.key));
      }
      letterDown = down;
    }
  }
  seen.allReleased = !control && !shift && !letterDown;
  return seen;
}
using Chords = std::vector<std::string>;

TEST_F(DescriptionWindowTest, ReaderStartPutsTheTextOnTheClipboardAndPressesCtrlShiftD) {
  Start({Film("A")});
  OpenRow(0);
  DescriptionText().SetWText(L"Czytaj\r\nto");
  Press(Button(id::form2::lek));
  EXPECT_EQ(toolkit::ClipboardText(nullptr), L"Czytaj\r\nto");
  EXPECT_TRUE(keyboard.events.empty()) << "the chord comes on the timer";
  EXPECT_EQ(ReaderCaption(), L"Lektor start");

  ASSERT_TRUE(PumpUntil([&] { return ReaderCaption() == L"Lektor stop"; }));
  PumpFor(50);
  EXPECT_EQ(Replay(keyboard.events).chords, Chords{"Ctrl+Shift+D"}) << "once";
  EXPECT_TRUE(Replay(keyboard.events).allReleased);

  // A stop leaves the clipboard alone and presses Ctrl+Shift+S at once; a second stop before
  // the stop step ended presses it again and never starts the reader.
  keyboard.events.clear();
  toolkit::SetClipboardText(nullptr, L"cudzy tekst");
  Press(Button(id::form2::lek));
  Press(Button(id::form2::lek));
  const Chords stops{"Ctrl+Shift+S", "Ctrl+Shift+S"};
  EXPECT_EQ(Replay(keyboard.events).chords, stops) << "sent at once";
  ASSERT_TRUE(PumpUntil([&] { return ReaderCaption() == L"Lektor start"; }));
  PumpFor(50);
  EXPECT_EQ(Replay(keyboard.events).chords, stops) << "a stop does not start";
  EXPECT_TRUE(Replay(keyboard.events).allReleased);
  EXPECT_EQ(toolkit::ClipboardText(nullptr), L"cudzy tekst");
}

TEST_F(DescriptionWindowTest, ReaderStartWithAnEmptyTextEmptiesTheClipboardAndSendsTheChord) {
  Start({Film("A")});
  OpenRow(0);
  toolkit::SetClipboardText(nullptr, L"stary");
  Press(Button(id::form2::lek));
  EXPECT_EQ(toolkit::ClipboardText(nullptr), L"");
  ASSERT_TRUE(PumpUntil([&] { return ReaderCaption() == L"Lektor stop"; }));
  EXPECT_EQ(Replay(keyboard.events).chords, Chords{"Ctrl+Shift+D"});
}

}  // namespace
}  // namespace kadrion::app
