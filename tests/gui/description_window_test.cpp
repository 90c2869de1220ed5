// The description window: its files, its appearance in the settings file, the question before
// unsaved text is replaced, and the key chords of the speech reader hand-over.
#include <gtest/gtest.h>

#include "program_fixture.h"
#include "test_support.h"
#include "toolkit/clipboard.h"
#include "toolkit/text.h"

namespace kadrion {
namespace {

using namespace testing_support;
using toolkit::Answer;

FilmEntry Film(const char* polish) { return FilmEntry{polish, "Orig", "Dramat", "1", "DVD"}; }

class DescriptionWindowTest : public ProgramFixture {
 protected:
  // The main window with these films, then the description window, as the program starts.
  void Start(const std::vector<FilmEntry>& films, bool onTop = false) {
    StartMain();
    main->Lista.Assign(films);
    StartDescription(onTop);
    Pump();
  }
  void Restart() { StartDescription(false); }

  void Press(toolkit::Button& button) { SendMessageW(button.Handle(), BM_CLICK, 0, 0); }
  void OpenRow(int row) {
    main->Lista.Select(row);
    Press(main->AllClearBtn);
  }
  std::wstring Description(const std::wstring& title) {
    return folder / (L"Opisy\\" + title + L".txt");
  }
  bool Shown() const { return IsWindowVisible(form->Handle()) != 0; }
};

TEST_F(DescriptionWindowTest, OpeningLoadsTheFileWithEveryLineBreakMadeCrLf) {
  WriteFileText(Description(L"Matrix"), "jeden\ndwa\rtrzy\r\n\xB3\xF3\x64\x9F\r");
  Start({Film("Ala"), Film("Matrix")});
  OpenRow(1);

  EXPECT_TRUE(Shown());
  EXPECT_EQ(form->Caption(), L"Matrix");
  EXPECT_EQ(form->Sc.WText(), L"Matrix");
  EXPECT_FALSE(form->Sc.Visible());
  EXPECT_EQ(form->Op.WText(), L"jeden\r\ndwa\r\ntrzy\r\nłódź\r\n");
  EXPECT_FALSE(form->Modified());

  // Saved unchanged, the file now holds CR LF everywhere and nothing more.
  Press(form->Guardar);
  EXPECT_EQ(ReadFileText(Description(L"Matrix")), "jeden\r\ndwa\r\ntrzy\r\n\xB3\xF3\x64\x9F\r\n");
}

TEST_F(DescriptionWindowTest, AFilmWithoutAFileShowsAnEmptyTextAndSavingCreatesIt) {
  Start({Film("\xA3\xF3\x64\x9F")});  // Łódź
  OpenRow(0);
  EXPECT_TRUE(Shown());
  EXPECT_EQ(form->Op.WText(), L"");
  EXPECT_TRUE(Dialogs().errors.empty());

  form->Op.SetWText(L"Pierwsza linia\r\nDruga bez końca linii");
  Press(form->Guardar);
  EXPECT_EQ(ReadFileText(Description(L"Łódź")), "Pierwsza linia\r\nDruga bez ko\xF1\x63\x61 linii");
  EXPECT_FALSE(form->Modified());
  EXPECT_FALSE(Exists(Description(L"Łódź") + L".tmp"));
}

TEST_F(DescriptionWindowTest, ClearThenSaveLeavesAnEmptyFileNotADeletedOne) {
  WriteFileText(Description(L"Matrix"), "opis");
  Start({Film("Matrix")});
  OpenRow(0);
  Press(form->Kasuj);
  EXPECT_EQ(form->Op.WText(), L"");
  EXPECT_EQ(ReadFileText(Description(L"Matrix")), "opis") << "untouched until saved";
  Press(form->Guardar);
  ASSERT_TRUE(Exists(Description(L"Matrix")));
  EXPECT_TRUE(ReadFileBytes(Description(L"Matrix")).empty());
}

TEST_F(DescriptionWindowTest, SavingWritesTheFilmOpenedLastWhateverIsSelectedNow) {
  Start({Film("A"), Film("B")});
  OpenRow(0);
  form->Op.SetWText(L"opis A");
  main->Lista.Select(1);
  Press(form->Guardar);
  EXPECT_EQ(ReadFileText(Description(L"A")), "opis A");
  EXPECT_FALSE(Exists(Description(L"B")));
}

TEST_F(DescriptionWindowTest, OpensFromTheButtonTheMenuAndTheEndOfAddOnlyWithASelection) {
  Start({Film("A"), Film("B"), Film("C"), Film("D"), Film("E")});
  Press(main->AllClearBtn);
  EXPECT_FALSE(Shown()) << "no row selected";

  main->Lista.Select(2);
  main->p.SetWText(L"Nowy");
  Press(main->AddBtn);
  EXPECT_TRUE(Shown());
  EXPECT_EQ(form->Caption(), L"C") << "the selected row, not the added one";

  form->Hide();
  main->Lista.Select(4);
  main->PopupMenu1.Click(6);  // "Wyczyść pola"
  ASSERT_EQ(main->PopupMenu1[6].caption, L"Wyczyść pola");
  EXPECT_TRUE(Shown());
  EXPECT_EQ(form->Caption(), L"E");

  form->Hide();
  main->Lista.Select(-1);
  Press(main->AddBtn);
  EXPECT_FALSE(Shown());
}

TEST_F(DescriptionWindowTest, ATitleWithABackslashNamesASubfolderThatMustExist) {
  Start({Film("Seriale\\Odcinek 1")});
  OpenRow(0);
  form->Op.SetWText(L"tekst");
  Press(form->Guardar);
  ASSERT_EQ(Dialogs().errors.size(), 1u);
  EXPECT_NE(Dialogs().errors[0].find(L"Opisy\\Seriale\\Odcinek 1.txt"), std::wstring::npos)
      << "the error names the file";
  EXPECT_EQ(form->Op.WText(), L"tekst") << "the text stays in the window";
  EXPECT_TRUE(form->Modified());

  CreateDirectoryW((folder / L"Opisy\\Seriale").c_str(), nullptr);
  Press(form->Guardar);
  EXPECT_EQ(ReadFileText(Description(L"Seriale\\Odcinek 1")), "tekst");
}

TEST_F(DescriptionWindowTest, WithoutTheDescriptionsFolderSavingFailsAndChangesNothingElse) {
  Start({Film("Matrix")});
  RemoveDirectoryW((folder / L"Opisy").c_str());
  OpenRow(0);
  form->Op.SetWText(L"tekst");
  Press(form->Guardar);
  ASSERT_EQ(Dialogs().errors.size(), 1u);
  EXPECT_NE(Dialogs().errors[0].find(L"Matrix.txt"), std::wstring::npos);
  EXPECT_EQ(form->Op.WText(), L"tekst");
  EXPECT_FALSE(Exists(folder / L"Opisy"));
  EXPECT_EQ(main->Lista.Count(), 1);
}

TEST_F(DescriptionWindowTest, ATitleNamingAFileOutsideTheFolderHasNoDescription) {
  WriteFileText(folder / L"Dane\\Dane.txt", "nie opis");
  Start({Film("..\\Dane\\Dane")});
  OpenRow(0);
  EXPECT_TRUE(Shown());
  EXPECT_EQ(form->Op.WText(), L"") << "the file outside is not read";

  form->Op.SetWText(L"nadpisane");
  Press(form->Guardar);
  ASSERT_EQ(Dialogs().errors.size(), 1u);
  EXPECT_NE(Dialogs().errors[0].find(L"poza folderem Opisy"), std::wstring::npos);
  EXPECT_EQ(ReadFileText(folder / L"Dane\\Dane.txt"), "nie opis");
}

TEST_F(DescriptionWindowTest, AnUnreadableFileShowsAnErrorAndTheWindowStaysHidden) {
  WriteFileText(Description(L"Matrix"), "opis");
  Start({Film("Matrix")});
  FileLock lock(Description(L"Matrix"));
  ASSERT_TRUE(lock.Locked());
  OpenRow(0);
  EXPECT_EQ(Dialogs().errors.size(), 1u);
  EXPECT_FALSE(Shown());
  EXPECT_EQ(form->Op.WText(), L"");
}

TEST_F(DescriptionWindowTest, ChangedTextIsOfferedForSavingBeforeAnotherFilmLoads) {
  WriteFileText(Description(L"A"), "stary A");
  WriteFileText(Description(L"B"), "opis B");
  Start({Film("A"), Film("B")});

  // Opening again while nothing changed asks nothing.
  OpenRow(0);
  OpenRow(1);
  EXPECT_TRUE(Dialogs().questions.empty());
  OpenRow(0);

  form->Op.SetWText(L"nowy A");
  Dialogs().answer = Answer::Cancel;
  OpenRow(1);
  ASSERT_EQ(Dialogs().questions.size(), 1u);
  EXPECT_NE(Dialogs().questions[0].find(L"\u201EA\u201D"), std::wstring::npos);
  EXPECT_EQ(form->Caption(), L"A") << "Anuluj keeps the film and its text";
  EXPECT_EQ(form->Op.WText(), L"nowy A");
  EXPECT_EQ(ReadFileText(Description(L"A")), "stary A");

  Dialogs().answer = Answer::No;
  OpenRow(1);
  EXPECT_EQ(form->Caption(), L"B");
  EXPECT_EQ(form->Op.WText(), L"opis B");
  EXPECT_EQ(ReadFileText(Description(L"A")), "stary A") << "Nie discards the change";

  form->Op.SetWText(L"nowy B");
  Dialogs().answer = Answer::Yes;
  OpenRow(0);
  EXPECT_EQ(ReadFileText(Description(L"B")), "nowy B") << "Tak saves first";
  EXPECT_EQ(form->Caption(), L"A");
  EXPECT_EQ(form->Op.WText(), L"stary A");

  // Clearing is a change too, and the question also comes at the end of Add.
  Press(form->Kasuj);
  Dialogs().questions.clear();
  Dialogs().answer = Answer::Cancel;
  main->Lista.Select(1);
  Press(main->AddBtn);
  EXPECT_EQ(Dialogs().questions.size(), 1u);
  EXPECT_EQ(main->Lista.Count(), 3) << "the film is added whatever the answer";
  EXPECT_EQ(form->Caption(), L"A");
}

TEST_F(DescriptionWindowTest, AFailedSaveAfterTakKeepsTheChangedText) {
  Start({Film("Seriale\\X"), Film("B")});
  OpenRow(0);
  form->Op.SetWText(L"zmieniony");
  Dialogs().answer = Answer::Yes;
  OpenRow(1);
  EXPECT_EQ(Dialogs().errors.size(), 1u) << "no folder Seriale";
  EXPECT_EQ(form->Caption(), L"Seriale\\X");
  EXPECT_EQ(form->Op.WText(), L"zmieniony");
}

TEST_F(DescriptionWindowTest, AppearanceDefaultsAndTheKeysWrittenAtClose) {
  Start({Film("A")});
  EXPECT_EQ(form->Op.Color(), 14145495u);
  EXPECT_EQ(form->Op.GetFont(),
            (toolkit::FontInfo{L"MS Sans Serif", 10, toolkit::fsBold, 1, 8388608}));
  EXPECT_FALSE(form->StayOnTop());

  DeleteFileW((folder / L"Dane\\Baza.ini").c_str());
  OpenRow(0);
  form->Close();
  EXPECT_FALSE(Shown());
  EXPECT_EQ(ReadFileText(folder / L"Dane\\Baza.ini"),
            "[Ustawienia]\r\nKt2=14145495\r\nKc2=8388608\r\nRozmiar czcionki2=10\r\n"
            "Nazwa czcionki2=MS Sans Serif\r\nFont2=1\r\nSkrypt2=1\r\n");
}

TEST_F(DescriptionWindowTest, ColourAndFontChoicesPersistThroughACloseOnly) {
  Start({Film("A")});
  OpenRow(0);

  // Cancelled choosers change nothing; they were preset to the current values.
  Press(form->BitBtn2);
  Press(form->BitBtn3);
  EXPECT_EQ(Dialogs().presetColors, std::vector<COLORREF>{14145495});
  ASSERT_EQ(Dialogs().presetFonts.size(), 1u);
  EXPECT_EQ(Dialogs().presetFonts[0], form->Op.GetFont());
  EXPECT_EQ(form->Op.Color(), 14145495u);

  const toolkit::FontInfo chosen{L"Arial", 14, toolkit::fsItalic | toolkit::fsUnderline, 238,
                                 RGB(10, 20, 30)};
  Dialogs().chosenColor = RGB(1, 2, 3);
  Dialogs().chosenFont = chosen;
  Press(form->BitBtn2);
  Press(form->BitBtn3);
  EXPECT_EQ(form->Op.Color(), RGB(1, 2, 3));
  EXPECT_EQ(form->Op.GetFont(), chosen);

  Restart();
  EXPECT_EQ(form->Op.Color(), 14145495u) << "not written without a close";

  Dialogs().chosenColor = RGB(1, 2, 3);
  OpenRow(0);
  Press(form->BitBtn2);
  Press(form->BitBtn3);
  form->Close();
  EXPECT_EQ(IniValue(folder / L"Dane\\Baza.ini", "Ustawienia", "Kc2"), "1971210");
  EXPECT_EQ(IniValue(folder / L"Dane\\Baza.ini", "Ustawienia", "Font2"), "6");
  Restart();
  EXPECT_EQ(form->Op.Color(), RGB(1, 2, 3));
  EXPECT_EQ(form->Op.GetFont(), chosen);
}

TEST_F(DescriptionWindowTest, AFailedSettingsWriteKeepsTheWindowOpenUntilTheNextClose) {
  Start({Film("A")});
  OpenRow(0);
  {
    FileLock lock(folder / L"Dane\\Baza.ini");
    ASSERT_TRUE(lock.Locked());
    form->Close();
    EXPECT_EQ(Dialogs().errors.size(), 1u);
    EXPECT_TRUE(Shown());
  }
  form->Close();
  EXPECT_FALSE(Shown());
  EXPECT_EQ(IniValue(folder / L"Dane\\Baza.ini", "Ustawienia", "Skrypt2"), "1");
}

TEST_F(DescriptionWindowTest, FollowsTheMainWindowOnTopWhenCreated) {
  Start({Film("A")}, true);
  EXPECT_TRUE(form->StayOnTop());
}

// The reader hand-over: every event carries scan code 0x45 and the extended-key flag.
using Event = RecordingKeyboard::Event;
constexpr DWORD kDown = KEYEVENTF_EXTENDEDKEY;
constexpr DWORD kUp = KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP;

std::vector<Event> Chord(BYTE letter) {
  return {{VK_LCONTROL, 0x45, kUp}, {VK_LCONTROL, 0x45, kDown}, {VK_LSHIFT, 0x45, kUp},
          {VK_LSHIFT, 0x45, kDown}, {letter, 0x45, kDown},      {letter, 0x45, kUp}};
}
const std::vector<Event> kReleases = {{VK_LCONTROL, 0x45, kUp},
                                      {VK_LCONTROL, 0x45, kUp},
                                      {VK_LSHIFT, 0x45, kUp},
                                      {VK_LSHIFT, 0x45, kUp}};

std::vector<Event> Then(std::vector<Event> first, const std::vector<Event>& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

TEST_F(DescriptionWindowTest, ReaderStartPutsTheTextOnTheClipboardAndPressesCtrlShiftD) {
  Start({Film("A")});
  OpenRow(0);
  form->Op.SetWText(L"Czytaj\r\nto");
  Press(form->lek);
  EXPECT_EQ(toolkit::ClipboardText(nullptr), L"Czytaj\r\nto");
  EXPECT_TRUE(keyboard.events.empty()) << "the chord comes on the timer";
  EXPECT_EQ(form->lek.WText(), L"Lektor start");

  ASSERT_TRUE(PumpUntil([&] { return form->lek.WText() == L"Lektor stop"; }));
  EXPECT_EQ(keyboard.events, Then(Chord('D'), kReleases));
  EXPECT_FALSE(form->Le.Enabled());
  EXPECT_FALSE(form->led.Enabled());

  // A stop leaves the clipboard alone and presses Ctrl+Shift+S.
  keyboard.events.clear();
  toolkit::SetClipboardText(nullptr, L"cudzy tekst");
  Press(form->lek);
  EXPECT_EQ(keyboard.events, Chord('S')) << "sent at once";
  ASSERT_TRUE(PumpUntil([&] { return form->lek.WText() == L"Lektor start"; }));
  EXPECT_EQ(keyboard.events, Then(Chord('S'), kReleases));
  EXPECT_EQ(toolkit::ClipboardText(nullptr), L"cudzy tekst");
  EXPECT_FALSE(form->ls.Enabled());
  EXPECT_FALSE(form->Le.Enabled()) << "a stop click does not start again";
}

TEST_F(DescriptionWindowTest, ReaderStartWithAnEmptyTextStillSendsTheChordAndRestartsIdle) {
  Start({Film("A")});
  OpenRow(0);
  toolkit::SetClipboardText(nullptr, L"stary");
  Press(form->lek);
  EXPECT_EQ(toolkit::ClipboardText(nullptr), L"");
  ASSERT_TRUE(PumpUntil([&] { return form->lek.WText() == L"Lektor stop"; }));
  EXPECT_EQ(keyboard.events, Then(Chord('D'), kReleases));

  Restart();
  EXPECT_EQ(form->lek.WText(), L"Lektor start");
}

}  // namespace
}  // namespace kadrion
