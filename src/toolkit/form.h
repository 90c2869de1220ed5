#pragma once
// A top-level window. Its controls live on one client panel that survives when the window
// itself is recreated (as switching it to stay on top does).
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/container.h"
#include "toolkit/key_chord.h"
#include "toolkit/panel.h"

namespace kadrion::toolkit {

// Whether a form stays above the windows that do not.
enum class Stacking { Normal, StayOnTop };

class Form : public Container {
 public:
  // `className` is the window class, so outside tools can find the form ("TMainWindow").
  explicit Form(std::wstring className) : className_(std::move(className)) {}

  // Creates the hidden window with the given caption and outer bounds, then the client panel.
  void CreateForm(const std::wstring& caption, RECT bounds);
  Panel& Client() { return client_; }

  // Shows the window; the show handler runs first, while the window is still hidden.
  void Show();
  void Hide();
  // Puts a shown window in front of the others and gives it the keyboard.
  void BringToFront();
  // Asks the window to close, as its close button does. A form never shown ignores it.
  void Close();
  // Runs the key handler for a key message on its way to a control of this form; true when
  // the handler took it. An error from the handler goes on to the caller.
  bool HandleKey(const MSG& message);

  void SetCaption(const std::wstring& caption) { SetWText(caption); }
  std::wstring Caption() const { return WText(); }

  // The outer bounds on the screen; for a minimised window, those it goes back to (its own are
  // the icon's, far off every screen).
  RECT PlacedBounds() const;

  // Maximised state; set on a hidden window, it takes effect when the window is shown.
  void SetMaximized(bool maximized);
  bool Maximized() const;

  // Switching stay-on-top recreates the system window; the controls move to the new one.
  void SetStacking(Stacking stacking);
  bool StayOnTop() const;
  void Recreate();

  // The main form ends the message loop when it closes; other forms only hide.
  void SetMainForm(bool main) { mainForm_ = main; }
  bool MainForm() const { return mainForm_; }

  // A tooltip shown over `control`.
  void AddHint(Control& control, std::wstring hint);

  std::function<void()> onShow;
  // Asked first when the window is to close: false keeps it open as it is, without a word.
  std::function<bool()> onCloseQuery;
  // A close handler that raises an error keeps the window open.
  std::function<void()> onClose;
  // A key pressed anywhere in the form, with the modifiers held, before the focused control
  // sees it: return true when handled.
  std::function<bool(KeyChord chord)> onKey;
  // Files dropped on the form from Explorer, full paths in the order given. Set before the
  // form is created.
  std::function<void(const std::vector<std::wstring>& paths)> onFilesDropped;
  // Windows is ending the session (log-off, shutdown): the process may be ended as soon as
  // this returns. Not called for a form never shown.
  std::function<void()> onEndSession;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  HWND CreateSystemWindow(const std::wstring& caption, RECT bounds, DWORD exStyle);
  void CreateTooltips();

  std::wstring className_;
  Panel client_;
  bool mainForm_ = false;
  Stacking stackingWanted_ = Stacking::Normal;
  bool maximizeWhenShown_ = false;
  bool shown_ = false;
  HWND focused_ = nullptr;
  HWND tooltips_ = nullptr;
  std::vector<std::pair<Control*, std::wstring>> hints_;
};

}  // namespace kadrion::toolkit
