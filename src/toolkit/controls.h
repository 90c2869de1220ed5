#pragma once
// The standard controls the program's windows are made of.
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/control.h"
#include "toolkit/glyph.h"
#include "toolkit/window_subclass.h"

namespace kadrion::toolkit {

class Container;

// How a label is sized: as placed, or to the width and height of its caption.
enum class LabelSize { AsPlaced, FitCaption };

// Static text.
class Label : public Control {
 public:
  void Create(Container& parent, int id, const std::wstring& caption, RECT bounds,
              LabelSize size = LabelSize::AsPlaced);
  void SetCaption(const std::wstring& caption);
  std::function<void()> onClick;
  bool HandleCommand(WORD code) override;
  HBRUSH HandleCtlColor(HDC dc) override;

 protected:
  void ApplyFont() override;

 private:
  void FitToCaption();
  bool autoSize_ = false;
};

// Pasting into a one-line edit window (an Edit, a combo box's edit, a spin edit), by Ctrl+V,
// Shift+Insert or the edit's menu: the clipboard text on one line (see OneLine in text.h), cut
// to the room the edit's limit leaves; an edit that takes digits only takes a paste of digits
// that fits whole, or nothing. Typing stops at the limit as the system's edit does.
class LinePaste : private WindowSubclass {
 public:
  void Attach(HWND edit) { WindowSubclass::Attach(edit); }

 private:
  LRESULT OnSubclassMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// One-line edit that pastes on one line (LinePaste). With a context menu set, a right click
// shows that menu instead of the edit's own.
class Edit : public Control, private WindowSubclass {
 public:
  void Create(Container& parent, int id, RECT bounds, const std::wstring& text = L"");
  // The most characters typing and pasting leave in the edit; text set from code is not cut.
  void SetLimit(int characters);
  // The grey text an empty edit shows, also while it has the focus.
  void SetCueText(const std::wstring& cue);
  // The whole text becomes the clipboard's text, taken as a paste takes it; a clipboard
  // without text empties the edit.
  void PasteOver();
  // Any change of the text, by the user or from code.
  std::function<void()> onChange;
  // The edit got the keyboard focus.
  std::function<void()> onFocus;
  // A double click with the left button, after the edit has selected the word under it.
  std::function<void()> onDblClick;
  bool HandleCommand(WORD code) override;

 private:
  LRESULT OnSubclassMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  LinePaste paste_;
};

// Multi-line text box; its text is lines joined by CR LF.
class Memo : public Control {
 public:
  void Create(Container& parent, int id, RECT bounds, const std::wstring& text = L"");
};

// Drop-down list that also takes typed text, pasted on one line (LinePaste).
class ComboBox : public Control {
 public:
  void Create(Container& parent, int id, RECT bounds, const std::vector<std::wstring>& items);
  // The most characters typing and pasting leave in its edit.
  void SetLimit(int characters);
  int ItemCount() const;
  std::wstring Item(int index) const;
  HBRUSH HandleCtlColor(HDC dc) override;

 private:
  LinePaste paste_;
};

// The whole numbers a spin edit's arrows step through, both ends included.
struct SpinRange {
  int lowest;
  int highest;
};

// An edit with up and down arrows stepping a whole number by one within a range: they stop at
// its ends, bring a number outside it to its nearer end, and step a text that is no number
// from the lowest. Typing and pasting are free until TakeDigitsOnly; text set from code (the
// arrows' too) always is.
class SpinEdit : public Control {
 public:
  void Create(Container& parent, int id, RECT bounds, int value, SpinRange range);
  // Typing and pasting take only the digits 0 to 9, at most `count` of them.
  void TakeDigitsOnly(int count);
  bool HandleNotify(NMHDR& header, LRESULT& result) override;

 private:
  HWND upDown_ = nullptr;
  SpinRange range_{INT_MIN, INT_MAX};
  LinePaste paste_;
};

// Whether a button draws its face itself, so that its caption shows in its font's colour
// (the system draws every caption black).
enum class ButtonFace { System, OwnColours };

// Push button. Zero width and height give a button that only the keyboard focus reaches.
class Button : public Control {
 public:
  void Create(Container& parent, int id, const std::wstring& caption, RECT bounds,
              ButtonFace face = ButtonFace::System);
  std::function<void()> onClick;
  // Presses the button from code: runs its handler when enabled.
  void Click();
  bool HandleCommand(WORD code) override;
  bool HandleDrawItem(const DRAWITEMSTRUCT& item) override;

 protected:
  // Draws the face, the caption (after `glyph` when there is one) and the focus frame.
  void DrawFace(const DRAWITEMSTRUCT& item, const Glyph* glyph);
};

// A push button with a small picture before its caption.
class BitButton : public Button {
 public:
  void Create(Container& parent, int id, const std::wstring& caption, RECT bounds,
              std::shared_ptr<const Glyph> glyph);
  bool HandleDrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  std::shared_ptr<const Glyph> glyph_;
};

class CheckBox : public Control {
 public:
  void Create(Container& parent, int id, const std::wstring& caption, RECT bounds);
  bool Checked() const;
  void SetChecked(bool checked);
};

// Status bar with panels of the given widths (the last one takes what is left).
class StatusBar : public Control {
 public:
  void Create(Container& parent, int id, const std::vector<int>& widths);
  void SetPanelText(int panel, const std::wstring& text);
  std::wstring PanelText(int panel) const;
};

}  // namespace kadrion::toolkit
