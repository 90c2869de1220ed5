#include "features/description/description_editor.h"

#include "core/line_breaks.h"
#include "toolkit/error.h"
#include "toolkit/files.h"
#include "toolkit/text.h"

namespace kadrion::features {

namespace {
constexpr wchar_t kCharactersReplaced[] =
    L"Niektórych znaków nie da się zapisać w pliku opisu (strona kodowa 1250); zastąpiono je "
    L"podobnymi lub znakiem \u201E?\u201D.";
}  // namespace

DescriptionEditor::DescriptionEditor(toolkit::Memo& text, toolkit::Dialogs& dialogs,
                                     const AppPaths& paths, const toolkit::Control& window)
    : text_(text), dialogs_(dialogs), paths_(paths), window_(window) {}

bool DescriptionEditor::Modified() const {
  return text_.WText() != savedText_;
}

bool DescriptionEditor::OfferSaving(const std::wstring& question) {
  if (!Modified()) return true;
  const HWND owner = window_.Visible() ? window_.Handle() : nullptr;
  const toolkit::Answer answer = dialogs_.Ask(owner, question);
  if (answer == toolkit::Answer::Cancel) return false;
  if (answer == toolkit::Answer::Yes) Save();
  return true;
}

bool DescriptionEditor::ConfirmClose() {
  if (!OfferSaving(L"Zapisać zmiany w opisie \u201E" + toolkit::FromCp1250(title_) + L"\u201D?"))
    return false;
  // After "Nie" the change is let go: the next opening asks nothing.
  if (Modified()) text_.SetWText(savedText_);
  return true;
}

bool DescriptionEditor::Load(const std::string& polishTitle) {
  if (!OfferSaving(L"Opis filmu \u201E" + toolkit::FromCp1250(title_) +
                   L"\u201D został zmieniony.\nZapisać go przed otwarciem następnego opisu?"))
    return false;

  // A title that would name a file outside "Opisy" simply has no description to show. A file
  // that cannot be read raises its error before anything changes: the window keeps the film
  // and the text it had, and a save cannot write them into another film's file.
  const auto path = paths_.DescriptionPath(polishTitle);
  const std::string bytes =
      path && toolkit::FileExists(*path) ? core::WithCrLf(toolkit::ReadWholeFile(*path)) : "";
  title_ = polishTitle;
  text_.SetText(bytes);
  savedText_ = text_.WText();
  return true;
}

void DescriptionEditor::Save() {
  const auto path = paths_.DescriptionPath(title_);
  if (!path)
    throw core::Failure(L"Opisu filmu \u201E" + toolkit::FromCp1250(title_) +
                        L"\u201D nie można zapisać: taki tytuł nie jest nazwą pliku w folderze "
                        L"Opisy.");
  const std::wstring text = text_.WText();
  bool replaced = false;
  toolkit::WriteWholeFile(*path, toolkit::ToCp1250(text, &replaced));
  savedText_ = text;
  if (replaced) dialogs_.ShowMessage(window_.Handle(), kCharactersReplaced);
}

bool DescriptionEditor::Retitle(const std::string& from, const std::string& to) {
  if (title_.empty() || title_ != from) return false;
  title_ = to;
  return true;
}

void DescriptionEditor::Clear() {
  text_.SetWText(L"");
}

}  // namespace kadrion::features
