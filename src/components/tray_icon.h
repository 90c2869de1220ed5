#pragma once
// A caption button that hides the owner form into the taskbar's notification area, the icon
// shown there (with a tip, optionally animated from an image list, optionally with a balloon),
// the icon's mouse actions as events, its context menu, and bringing the form back.
#include <cstdint>
#include <functional>
#include <string>

#include "components/caption_button.h"
#include "components/notification_area.h"
#include "toolkit/message_pump.h"
#include "toolkit/popup_menu.h"
#include "toolkit/program_title.h"

namespace kadrion::components {

class TrayIcon : public CaptionButton {
 public:
  enum Options : std::uint8_t {
    kHideOnRestore = 1,      // restoring removes the icon; a stored "visible" is ignored
    kMinimizeToTray = 2,     // minimizing the main form hides it to the tray
    kOneClickRestore = 4,    // a left click on the icon restores the hidden form
    kDblClickRestore = 8,    // a double click restores (or, with kMinimizeToTray, hides)
    kShowAtDesignTime = 16,  // kept for stored settings; there is no designer
    kShowMenuOnLeftClick = 32,
  };
  enum class BalloonIcon { kNone = 0, kInfo = 1, kWarning = 2, kError = 3 };
  // The Windows 2000 information balloon shown with the icon when enabled; changes take
  // effect at the next add or balloon.
  struct Balloon {
    bool enabled = false;
    std::wstring text;
    std::wstring title;
    unsigned timeoutMs = 0;
    BalloonIcon icon = BalloonIcon::kNone;
  };
  enum class MouseButton { kLeft, kRight, kMiddle };
  // Keys and buttons held, as a bit set.
  enum Shift : unsigned { kShift = 1, kAlt = 2, kCtrl = 4, kLeft = 8, kRight = 16, kMiddle = 32 };

  // `title` is the default tip; `messages` handles the waiting messages before the icon's menu
  // opens. Both outlive the icon.
  TrayIcon(toolkit::Form& owner, NotificationArea& area, const toolkit::ProgramTitle& title,
           toolkit::MessagePump& messages);
  ~TrayIcon() override;

  // Cycling the icon through the image list every `AnimateInterval` ms. Raises "No timers"
  // when the system has none to give; the value is kept.
  bool Animate() const { return animate_; }
  void SetAnimate(bool animate);
  unsigned AnimateInterval() const { return animateInterval_; }
  void SetAnimateInterval(unsigned ms);
  // The icon's tip; empty means the program's title.
  std::wstring Tip() const { return tip_; }
  void SetTip(std::wstring tip);
  bool ShowTip() const { return showTip_; }
  void SetShowTip(bool show);
  // Copied. Without an image list it is what the area shows; empty when loaded means the
  // application's icon.
  void SetIcon(HICON icon);
  // Not owned; with one, the area shows its image `ImageIndex`.
  void SetImageList(HIMAGELIST images);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  unsigned OptionSet() const { return options_; }
  void SetOptions(unsigned options);
  // The icon's context menu; the two items (indexes, -1 for none) are made the enabled
  // default when their action is available, and also restore or hide the form when chosen.
  void SetPopupMenu(toolkit::PopupMenu* menu);
  void SetRestoreItem(int item);
  void SetMinimizeItem(int item);
  Balloon& BalloonSettings() { return balloon_; }
  // Whether the icon is in the notification area. Removing it while the form is hidden
  // brings the form back, so it is never left unreachable.
  bool IconVisible() const { return iconVisible_; }
  void SetIconVisible(bool visible);

  virtual void HideToTray();
  virtual void RestoreFromTray();
  virtual void ShowBalloon();

  void Loaded() override;
  void Notification(const void* removed) override;

  std::function<void()> onAnimate, onMinimize, onRestore, onShow, onHide, onClick, onDblClick,
      onPopupMenu;
  std::function<void(unsigned shift, int x, int y)> onMouseMove;
  std::function<void(MouseButton button, unsigned shift, int x, int y)> onMouseDown, onMouseUp;

 protected:
  void Click() override;
  void AfterMessage(Message& message) override;
  void UtilityMessage(Message& message) override;

 private:
  void Notify(DWORD action, bool withBalloon);
  void AddIcon() { Notify(NIM_ADD, balloon_.enabled); }
  void UpdateIcon() { Notify(NIM_MODIFY, false); }
  void DeleteIcon() { Notify(NIM_DELETE, false); }
  void ShowCurrentImage();
  void RestartAnimation();
  void OnIconMouse(UINT mouseMessage);
  void ShowTrayMenu();
  // Chooses the menu's default item; false when it has none.
  bool RunDefaultMenuItem();
  // What choosing a managed menu item also does to the form.
  enum class ItemAction { kRestore, kHide };
  // Wraps a menu item so that choosing it also restores (or hides) the form.
  void Manage(int& managed, std::function<void()>& saved, int item, ItemAction action);
  // The restore item is enabled and the default while the form is hidden, the minimize item
  // while it is shown.
  enum class FormState { kShown, kHidden };
  void SetManagedStates(FormState state);

  NotificationArea& area_;
  const toolkit::ProgramTitle& title_;
  toolkit::MessagePump& messages_;
  bool animate_ = false;
  unsigned animateInterval_ = 200;
  std::wstring tip_;
  toolkit::IconHandle icon_;
  toolkit::IconHandle shown_;  // what the notification area shows
  HIMAGELIST images_ = nullptr;
  int imageIndex_ = 0;
  unsigned options_ = kDblClickRestore | kShowAtDesignTime;
  toolkit::PopupMenu* menu_ = nullptr;
  int restoreItem_ = -1, minimizeItem_ = -1;
  std::function<void()> restoreItemClick_, minimizeItemClick_;
  bool showTip_ = true;
  bool iconVisible_ = false;
  Balloon balloon_;
  bool leftPressed_ = false;
  UINT taskbarCreated_ = 0;
};

}  // namespace kadrion::components
