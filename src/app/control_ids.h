#pragma once
// Fixed control ids of every window, named after the controls of the window design, so that
// tests and UI-automation tools find a control from outside the process (GetDlgItem on its
// parent). The comment after each id names the member that holds the control in the code.
namespace kadrion::id {

// Main window "TMainWindow" (MainWindow): the list, the status bar and the link strip.
constexpr int Lista = 100;                                                           // filmList_
constexpr int StatusBar = 101;                                                       // statusBar_
constexpr int Panel1 = 102;                                                          // linkPanel_
constexpr int r1 = 111, r2 = 112, r3 = 113, r4 = 114, r5 = 115, r6 = 116, r7 = 117;  // links_

// Main window: the filter above the list (not in the window design).
constexpr int FilterPanel = 103;  // filterPanel_
constexpr int Filter = 104;       // filterEdit_ "Filtruj listę…"
constexpr int FilterClear = 105;  // clearFilterButton_ "×"

// Main window: the right-hand panel, in the keyboard focus order.
constexpr int Panel3 = 200;       // editPanel_
constexpr int Label1 = 201;       // polishTitleLabel_ "Tytuł polski"
constexpr int p = 202;            // polishTitleEdit_
constexpr int Button7 = 203;      // pickFilesButton_ "D"
constexpr int Button2 = 204;      // pastePolishTitleButton_ "Wklej"
constexpr int Label2 = 205;       // originalTitleLabel_ "Tytuł oryginalny"
constexpr int O = 206;            // originalTitleEdit_
constexpr int Button3 = 207;      // pasteOriginalTitleButton_ "Wklej"
constexpr int Label3 = 208;       // genreLabel_ "Gatunek"
constexpr int g = 209;            // genreBox_
constexpr int Label4 = 210;       // discsLabel_ "Ilość płyt"
constexpr int i = 211;            // discsEdit_
constexpr int Label5 = 212;       // mediumLabel_ "Nośnik "
constexpr int n = 213;            // mediumBox_
constexpr int Al = 214;           // addAtOnceCheck_: add picked files at once
constexpr int NP = 215;           // titleFromFileCheck_: Polish title from the file name
constexpr int AddBtn = 216;       // addButton_ "Dodaj wpis"
constexpr int DelBtn = 217;       // deleteButton_ "Usuń wpis"
constexpr int AllClearBtn = 218;  // describeButton_ "Dodaj opis"
constexpr int SaveBtn = 219;      // saveChangesButton_ (zero size) "Zapisz zmiany"
constexpr int ExportBtn = 220;    // htmlListButton_ "Generuj listę w HTML"
constexpr int Button4 = 221;      // webSearchButton_ "Podgląd HTML": the web title search
constexpr int ss = 222;           // searchEdit_
constexpr int Button1 = 223;      // findButton_ "Szukaj"
constexpr int Button5 = 224;      // nextButton_ "Następny"
constexpr int Button6 = 225;      // previousButton_ "Poprzedni"
constexpr int Button8 = 226;      // internetSearchButton_ "Szukaj w internecie"
constexpr int C = 227;            // colourSample_: the list's colours and font
constexpr int Sz = 228;           // cleanSearchButton_ (zero size): cleans ss
constexpr int Sz2 = 229;          // cleanPolishTitleButton_ (zero size): cleans p
constexpr int Sz3 = 230;          // cleanOriginalTitleButton_ (zero size): cleans O
constexpr int HTML = 231;         // htmlMemo_ (hidden)

// Description window "TForm2" (DescriptionWindow), caption "Opis".
namespace form2 {
constexpr int Panel1 = 300;   // toolbar_
constexpr int Kasuj = 301;    // clearButton_ "Kasuj"
constexpr int Guardar = 302;  // saveButton_ "Zapisz"
constexpr int lek = 303;      // readerButton_ "Lektor start" / "Lektor stop"
constexpr int BitBtn2 = 304;  // colourButton_ "Kolor karty"
constexpr int BitBtn3 = 305;  // fontButton_ "Czcionka"
constexpr int Op = 306;       // textMemo_
constexpr int Sc = 307;       // titleLabel_ (hidden): the film's Polish title
}  // namespace form2

// Notepad window "TForm1" (NotepadWindow), caption "Notatnik".
namespace form1 {
constexpr int M = 400;  // notesMemo_
}  // namespace form1

}  // namespace kadrion::id
