#pragma once
// One extra button in the caption bar of the owner form, left of the standard buttons: drawn
// there, pressed and released under the mouse, with a tooltip and, when asked, a matching
// entry in the system menu. It does nothing of its own; descendants act in Click.
//
// Press cycle: a left press on the button draws it pressed and captures the mouse; leaving the
// caption band draws it released; the action runs at the release only if it was still drawn
// pressed. A double click counts as another press; right clicks on it are swallowed.
#include <cstdint>
#include <string>

#include "components/form_hook_component.h"
#include "components/system_menu_entry.h"
#include "core/caption_layout.h"
#include "toolkit/handles.h"

namespace kadrion::components {

class CaptionButton : public FormHookComponent {
 public:
  // How the button is drawn: raised, or pushed in.
  enum class Face { kReleased, kPressed };

  explicit CaptionButton(toolkit::Form& owner);
  ~CaptionButton() override;

  // The place among the window's caption buttons, 0 rightmost. Set while loading, it takes
  // effect for all buttons of the window together once they are loaded.
  int Order() const;
  void SetOrder(int order);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // The tooltip, and the system-menu text when the entry has no caption of its own.
  std::wstring Hint() const { return hint_; }
  void SetHint(std::wstring hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // An extra gap right of the button, 0 to 255 (larger values wrap).
  int SeparatorWidth() const { return separatorWidth_; }
  void SetSeparatorWidth(int width);
  // System cursors (IDC_*) over the released and the pressed button.
  void SetPointerCursors(const wchar_t* released, const wchar_t* pressed);
  // The letter drawn when there is no glyph.
  void SetLetterFont(std::wstring face, COLORREF color);
  SystemMenuEntry& SystemMenu() { return systemMenu_; }

  // The button's hit-test code (what WM_NCHITTEST answers over it) and system-menu command.
  UINT CommandId() const { return commandId_; }
  // Where it was last drawn; the hit test compares the pointer's client x with left and right.
  kadrion::core::ButtonPlace Place() const { return place_; }
  bool DrawnPressed() const { return drawnDown_; }
  void Repaint() { Draw(Face::kReleased); }

  void Loaded() override;

 protected:
  // A copy of `glyph` is drawn on the button; its top-left pixel's colour is transparent.
  void SetGlyph(HBITMAP glyph);
  virtual void BeforeButtonClick() {}
  virtual void ButtonClick() { Click(); }
  virtual void BeforeMenuClick() {}
  virtual void MenuClick() { Click(); }
  virtual void Click() {}

  void BeforeMessage(Message& message, bool& handled) override;
  void AfterMessage(Message& message) override;
  void Rehooked() override;
  void UtilityMessage(Message& message) override;

 private:
  friend class SystemMenuEntry;
  friend class CaptionButtonRegistry;
  // Places every caption button of the window and repaints the frame.
  void Layout();
  void MoveTo(int order);
  void Draw(Face face);
  void AddTool();
  void DeleteTool();
  void UpdateToolInfo();
  // The caption's height and, when the window has one, the menu bar's.
  int CaptionBand() const;
  void OnHitTest(Message& message);

  std::int16_t loadedOrder_ = -1;
  const wchar_t* cursor_ = IDC_ARROW;
  const wchar_t* cursorDown_ = IDC_ARROW;
  bool enabled_ = true;
  toolkit::BitmapHandle glyph_;
  std::wstring hint_;
  std::uint8_t separatorWidth_ = 0;
  bool showHint_ = true;
  std::wstring letterFace_ = L"Arial";
  COLORREF letterColor_;
  SystemMenuEntry systemMenu_;
  bool visible_ = true;
  bool toolAdded_ = false;
  UINT_PTR toolId_ = 0;
  HWND toolWindow_ = nullptr;
  UINT commandId_ = 0;
  int rightOffset_ = 0;
  bool captured_ = false;
  bool drawnDown_ = false;
  kadrion::core::ButtonPlace place_;
};

}  // namespace kadrion::components
