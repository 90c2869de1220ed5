// The list's colours and font, changed through the colour sample `C`, which always carries the
// same values as `Lista`; the always-on-top switch; the notepad's menu item.
#include "app/main_window.h"
#include "toolkit/application.h"
#include "windows/description_window.h"
#include "windows/notepad_window.h"

namespace kadrion {

namespace {
toolkit::Dialogs& Dialogs() { return toolkit::Application::Instance().dialogs(); }

toolkit::FontInfo WithColor(toolkit::FontInfo font, COLORREF color) {
  font.color = color;
  return font;
}
}  // namespace

void TMainWindow::CDblClick() {
  COLORREF color = Lista.Color();
  if (!Dialogs().PickColor(Handle(), color)) return;
  Lista.SetColor(color);
  C.SetColor(color);
}

void TMainWindow::CChange() {
  // Every change of the sample's text comes here; the text itself means nothing.
  COLORREF color = Lista.GetFont().color;
  if (!Dialogs().PickColor(Handle(), color)) return;
  Lista.SetFont(WithColor(Lista.GetFont(), color));
  C.SetFont(WithColor(C.GetFont(), color));
}

void TMainWindow::Czcionka1Click() {
  toolkit::FontInfo font = Lista.GetFont();
  if (!Dialogs().PickFont(Handle(), font)) return;
  C.SetFont(font);
  Lista.SetFont(C.GetFont());
}

void TMainWindow::zClick() {
  SetStayOnTop(false);
  if (Form2) Form2->SetStayOnTop(false);
  PopupMenu1[z].visible = false;
  PopupMenu1[z2].visible = true;
}

void TMainWindow::z2Click() {
  SetStayOnTop(true);
  if (Form2) Form2->SetStayOnTop(true);
  PopupMenu1[z2].visible = false;
  PopupMenu1[z].visible = true;
}

void TMainWindow::Notatnik1Click() {
  if (!Form1) return;
  Form1->Show();
  Form1->BringToFront();
}

}  // namespace kadrion
