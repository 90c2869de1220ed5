#pragma once
// Modal boxes the program shows. Everything modal goes through this interface so that tests
// can answer it without a window blocking them.
#include <string>
#include <vector>

#include "toolkit/font.h"
#include "toolkit/program_title.h"
#include "toolkit/win.h"

namespace kadrion::toolkit {

enum class Answer { Yes, No, Cancel };

// One group of an open dialog's file types: its caption and its patterns ("*.avi;*.mpg").
struct FileFilter {
  std::wstring caption;
  std::wstring patterns;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A plain message with one OK button.
  virtual void ShowMessage(HWND owner, const std::wstring& text) = 0;
  // The standard error box of the application.
  virtual void ShowError(HWND owner, const std::wstring& text) = 0;
  // A question answered "Tak", "Nie" or "Anuluj".
  virtual Answer Ask(HWND owner, const std::wstring& text) = 0;
  // A question answered "Tak" or "Nie" (closing the box answers "Nie").
  virtual Answer AskYesNo(HWND owner, const std::wstring& text) = 0;
  // The colour chooser, preset to `color`; false (and `color` untouched) when cancelled.
  virtual bool PickColor(HWND owner, COLORREF& color) = 0;
  // The font chooser with colour and effects, preset to `font`; false when cancelled.
  virtual bool PickFont(HWND owner, FontInfo& font) = 0;
  // The open dialog with several files allowed, the first filter selected. The full paths
  // in the dialog's order; false when cancelled.
  virtual bool OpenFiles(HWND owner, const std::vector<FileFilter>& filters,
                         std::vector<std::wstring>& paths) = 0;
  // The standard save dialog proposing `fileName` in `folder`, with the first filter selected.
  // It asks before writing over a file and adds the first filter's ending ("*.csv": ".csv")
  // to a name typed without one. The full path; false when cancelled.
  virtual bool SaveFile(HWND owner, const std::vector<FileFilter>& filters,
                        const std::wstring& folder, const std::wstring& fileName,
                        std::wstring& path) = 0;
  // The open dialog for one existing file; false when cancelled.
  virtual bool OpenFile(HWND owner, const std::vector<FileFilter>& filters, std::wstring& path) = 0;
  // The standard folder picker, starting in `path` when that names a folder. The folder's
  // full path; false when cancelled.
  virtual bool PickFolder(HWND owner, std::wstring& path) = 0;
};

// The real boxes; every box carries the program's title.
class SystemDialogs : public Dialogs {
 public:
  // `title` outlives the dialogs.
  explicit SystemDialogs(const ProgramTitle& title) : title_(title) {}

  void ShowMessage(HWND owner, const std::wstring& text) override;
  void ShowError(HWND owner, const std::wstring& text) override;
  Answer Ask(HWND owner, const std::wstring& text) override;
  Answer AskYesNo(HWND owner, const std::wstring& text) override;
  bool PickColor(HWND owner, COLORREF& color) override;
  bool PickFont(HWND owner, FontInfo& font) override;
  bool OpenFiles(HWND owner, const std::vector<FileFilter>& filters,
                 std::vector<std::wstring>& paths) override;
  bool SaveFile(HWND owner, const std::vector<FileFilter>& filters, const std::wstring& folder,
                const std::wstring& fileName, std::wstring& path) override;
  bool OpenFile(HWND owner, const std::vector<FileFilter>& filters, std::wstring& path) override;
  bool PickFolder(HWND owner, std::wstring& path) override;

 private:
  const ProgramTitle& title_;
  COLORREF customColors_[16] = {};  // the chooser's own row of custom colours, kept per run
};

}  // namespace kadrion::toolkit
