#pragma once
// A caption button that rolls the owner form up to its caption bar (plus `RemainHeight` pixels
// of the client area and a raised bottom edge) and down again on the next press. Rolling up
// clips the window with a region; with animation the client height also shrinks and grows in
// steps. While rolled up the region follows the window, and its borders do not resize it.
#include <functional>
#include <string>

#include "components/caption_button.h"
#include "toolkit/message_pump.h"

namespace kadrion::components {

class FormRoller : public CaptionButton {
 public:
  // `messages` handles the waiting messages between the steps of an animated roll; it outlives
  // the roller.
  FormRoller(toolkit::Form& owner, toolkit::MessagePump& messages);

  bool RolledUp() const { return rolledUp_; }
  // Rolls the form; ignored while a roll is still running.
  void SetRolledUp(bool rolledUp);
  int RemainHeight() const { return remainHeight_; }
  void SetRemainHeight(int height);
  // The button's hint and the system-menu text while unrolled, and while rolled up.
  void SetHintRollUp(std::wstring hint);
  void SetHintRollDown(std::wstring hint);

  // Roll in visible steps; speed 0 (many small) to 10 (three large), the pause per step in ms.
  bool animate = true;
  int animateSpeed = 8;
  // After every completed roll, with the state asked for.
  std::function<void(bool rolledUp)> onRollerChanged;

 protected:
  void Click() override;
  void AfterMessage(Message& message) override;
  void Rehooked() override;

 private:
  // Caption, top frame, the remaining client strip and the 3-pixel edge.
  int RolledHeight() const;
  void ApplyRegion();
  void DrawBottomEdge();
  void SetClientHeight(int height);
  void Animate(bool up);

  toolkit::MessagePump& messages_;
  toolkit::BitmapHandle upGlyph_, downGlyph_;
  bool rolledUp_ = false;
  bool busy_ = false;
  int remainHeight_ = 0;
  int savedHeight_ = 0;
  std::wstring hintRollUp_ = L"Roll up";
  std::wstring hintRollDown_ = L"Roll down";
};

}  // namespace kadrion::components
