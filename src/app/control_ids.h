#pragma once
// Fixed control ids of every window, named after the components, so that tests and
// UI-automation tools find a control from outside the process (GetDlgItem on its parent).
namespace kadrion::id {

// Main window: the list, the status bar and the link strip.
constexpr int Lista = 100;
constexpr int StatusBar = 101;
constexpr int Panel1 = 102;
constexpr int r1 = 111, r2 = 112, r3 = 113, r4 = 114, r5 = 115, r6 = 116, r7 = 117;

// Main window: the right-hand panel, in the keyboard focus order.
constexpr int Panel3 = 200;
constexpr int Label1 = 201;  // "Tytuł polski"
constexpr int p = 202;
constexpr int Button7 = 203;
constexpr int Button2 = 204;
constexpr int Label2 = 205;  // "Tytuł oryginalny"
constexpr int O = 206;
constexpr int Button3 = 207;
constexpr int Label3 = 208;  // "Gatunek"
constexpr int g = 209;
constexpr int Label4 = 210;  // "Ilość płyt"
constexpr int i = 211;
constexpr int Label5 = 212;  // "Nośnik "
constexpr int n = 213;
constexpr int Al = 214;
constexpr int NP = 215;
constexpr int AddBtn = 216;
constexpr int DelBtn = 217;
constexpr int AllClearBtn = 218;
constexpr int SaveBtn = 219;
constexpr int ExportBtn = 220;
constexpr int Button4 = 221;
constexpr int ss = 222;
constexpr int Button1 = 223;
constexpr int Button5 = 224;
constexpr int Button6 = 225;
constexpr int Button8 = 226;
constexpr int C = 227;
constexpr int Sz = 228;
constexpr int Sz2 = 229;
constexpr int Sz3 = 230;
constexpr int HTML = 231;

// Description window "Opis".
namespace form2 {
constexpr int Panel1 = 300;
constexpr int Kasuj = 301;
constexpr int Guardar = 302;
constexpr int lek = 303;
constexpr int BitBtn2 = 304;
constexpr int BitBtn3 = 305;
constexpr int Op = 306;
constexpr int Sc = 307;
}  // namespace form2

// Notepad window "Notatnik".
namespace form1 {
constexpr int M = 400;
}  // namespace form1

}  // namespace kadrion::id
