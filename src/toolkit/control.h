#pragma once
// Base of every window wrapper: a control knows its handle, its fixed id and its parent, and
// receives the notifications its parent reflects back to it.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/accessible_name.h"
#include "toolkit/font.h"
#include "toolkit/handles.h"

namespace kadrion::toolkit {

class Container;
class PopupMenu;

// Whether Tab stops on a control.
enum class TabStop { Yes, No };

// Where a control sits in its parent when the parent is resized, in this order of precedence:
// along one of its sides, along the top of what the sides leave (AboveClient), or over the rest
// (Client).
enum class Align { None, Top, Bottom, Right, Left, AboveClient, Client };

class Control {
 public:
  Control() = default;
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  HWND Handle() const { return hwnd_; }
  int Id() const;
  // The wrapper of a window made by this toolkit, or null.
  static Control* FromHandle(HWND hwnd);

  // Position in the parent's client area (screen position for top-level windows).
  void SetBounds(int left, int top, int width, int height);
  RECT Bounds() const;
  void SetVisible(bool visible);
  bool Visible() const;
  void SetEnabled(bool enabled);
  bool Enabled() const;
  void Focus();
  void SetTabStop(TabStop stop);
  // The name a screen reader announces for the control instead of the one the system makes up
  // from its caption or the label before it. Set after the control is created.
  void SetAccessibleName(std::wstring name);

  std::wstring WText() const;
  void SetWText(const std::wstring& text);
  // Texts as Windows-1250 bytes, the form the catalogue and the settings keep them in.
  std::string Text() const;
  void SetText(std::string_view bytes);

  // The font is shared; its colour is the control's text colour. A copy: the next SetFont
  // may free the font the control had.
  void SetFont(std::shared_ptr<const Font> font);
  void SetFont(const FontInfo& info) { SetFont(std::make_shared<const Font>(info)); }
  FontInfo GetFont() const;
  // Background colour; unset means the system's colour for the kind of control.
  void SetColor(COLORREF color);
  COLORREF Color() const;

  // Where the parent puts the control when it is resized.
  Align Alignment() const { return align_; }
  void SetAlignment(Align align) { align_ = align; }
  // The menu a right click on the control shows; null for none (or the control's own).
  PopupMenu* ContextMenu() const { return contextMenu_; }
  void SetContextMenu(PopupMenu* menu) { contextMenu_ = menu; }
  // A system cursor shown over the control (IDC_HAND, say); null keeps the class's cursor.
  const wchar_t* HoverCursor() const { return hoverCursor_; }
  void SetHoverCursor(const wchar_t* cursor) { hoverCursor_ = cursor; }

  // Notifications reflected by the parent. Return true when handled.
  virtual bool HandleCommand(WORD /*code*/) { return false; }
  virtual bool HandleNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  virtual bool HandleDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
  // WM_CTLCOLOR*: colours for drawing; null leaves the system's choice.
  virtual HBRUSH HandleCtlColor(HDC dc);

 protected:
  void CreateHandle(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
                    Container* parent, int id, RECT bounds, void* param = nullptr);
  // Marks `hwnd` as belonging to this wrapper (also for helper windows such as an up-down).
  void Attach(HWND hwnd);
  // Pushes the font and colours to the window; kinds of control with their own way override.
  virtual void ApplyFont();
  virtual void ApplyColor() {}

  HWND hwnd_ = nullptr;
  Container* parent_ = nullptr;
  Align align_ = Align::None;
  PopupMenu* contextMenu_ = nullptr;
  const wchar_t* hoverCursor_ = nullptr;
  std::shared_ptr<const Font> font_;
  std::optional<COLORREF> color_;
  BrushHandle brush_;
  std::unique_ptr<AccessibleName> accessibleName_;

  friend class Container;
};

// Whether a window is a text field: an edit control, also the one inside a combo box.
bool IsTextField(HWND window);

}  // namespace kadrion::toolkit
