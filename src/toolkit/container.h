#pragma once
// A window of this toolkit's own class that holds controls: it lays out the aligned ones when
// resized and hands the notifications of its children back to their wrappers.
#include <vector>

#include "toolkit/control.h"

namespace kadrion::toolkit {

class Container : public Control {
 public:
  ~Container() override;

  void Add(Control* child);
  void Remove(Control* child);
  // Places the aligned children: top, bottom, right, left, then the client one in what is left.
  void Realign();

 protected:
  // Creates a window of class `className` (registered on first use) bound to this wrapper.
  void CreateOwn(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
                 Container* parent, int id, RECT bounds);
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
  // The handle a message arrives on may be a window being replaced (see Form::Recreate).
  virtual void Bind(HWND hwnd) { hwnd_ = hwnd; }

 private:
  static LRESULT CALLBACK Trampoline(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static void RegisterOnce(const wchar_t* className);
  bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  std::vector<Control*> children_;
};

}  // namespace kadrion::toolkit
