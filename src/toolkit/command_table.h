#pragma once
// A window's actions, each defined once: its caption, its keys, when it can run and what it
// does. The window's menus, buttons and keys are bound from here, so a key is a look-up and a
// menu item shows its key beside the caption.
#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "toolkit/key_chord.h"
#include "toolkit/popup_menu.h"

namespace kadrion::toolkit {

class Button;
class Control;

// Where the keyboard focus must be for a key to run its command; empty: anywhere in the window.
using FocusRule = std::function<bool(HWND focus)>;
// The focus in one of the controls (a combo box counts with the edit inside it).
FocusRule FocusIn(std::initializer_list<const Control*> controls);
// The focus anywhere but in a text field, whose own keys (Ctrl+Z, Delete) stay its own.
FocusRule FocusOutsideTextFields();

struct KeyBinding {
  KeyChord chord;
  FocusRule where = nullptr;
};

struct Command {
  std::wstring caption;          // for menus and buttons; empty for a key-only action
  std::vector<KeyBinding> keys;  // the first one is shown in menus
  std::function<bool()> enabled = nullptr;  // empty: always
  std::function<void()> run = nullptr;
};

class CommandTable {
 public:
  using Id = int;

  Id Add(Command command);

  std::wstring Caption(Id id) const { return At(id).caption; }
  // The first key, as menus show it beside the caption; empty for none.
  std::wstring KeyText(Id id) const;
  bool Enabled(Id id) const;
  // Runs the command when it can run now.
  void Run(Id id);

  // The key pressed with the focus where it is: runs the first command bound to it there.
  // True when the key was taken: the command ran, or it cannot run now and the key is a
  // shortcut no control has a use for (a plain key then goes on to the control).
  bool HandleKey(KeyChord chord, HWND focus);

  // A menu item for the command, greyed while it cannot run; returns the item's index.
  int AddTo(PopupMenu& menu, Id id);
  // Items for the commands in this order, kSeparator for a separator.
  static constexpr Id kSeparator = -1;
  void AddTo(PopupMenu& menu, std::initializer_list<Id> items);
  // The button runs the command.
  void Bind(Button& button, Id id);

 private:
  const Command& At(Id id) const { return commands_.at(static_cast<std::size_t>(id)); }

  // A deque: commands never move, so the handlers bound to menus stay valid.
  std::deque<Command> commands_;
};

}  // namespace kadrion::toolkit
