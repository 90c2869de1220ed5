#pragma once
// A key as the user presses it: one key with the modifier keys held, as a menu shows it.
#include <string>

#include "toolkit/win.h"

namespace kadrion::toolkit {

enum class Modifiers : unsigned { None = 0, Control = 1, Shift = 2, Alt = 4 };

constexpr Modifiers operator|(Modifiers a, Modifiers b) {
  return static_cast<Modifiers>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}

struct KeyChord {
  UINT key = 0;  // a virtual-key code; 0 for none
  Modifiers modifiers = Modifiers::None;

  friend bool operator==(KeyChord, KeyChord) = default;
  bool None() const { return key == 0; }
  // A plain key (Enter, Delete, Esc) is also the focused control's own; one with Ctrl or Alt
  // is a shortcut only.
  bool Plain() const { return modifiers == Modifiers::None || modifiers == Modifiers::Shift; }

  // `key` with the modifiers held at this moment.
  static KeyChord Pressed(UINT key);
};

constexpr KeyChord Ctrl(UINT key) { return {key, Modifiers::Control}; }
constexpr KeyChord Shift(UINT key) { return {key, Modifiers::Shift}; }

// As Windows menus show it: "Ctrl+E", "Shift+F3", "Del".
std::wstring KeyChordText(KeyChord chord);

}  // namespace kadrion::toolkit
