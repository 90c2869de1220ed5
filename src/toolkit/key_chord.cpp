#include "toolkit/key_chord.h"

namespace kadrion::toolkit {

namespace {

bool Has(Modifiers set, Modifiers one) {
  return (static_cast<unsigned>(set) & static_cast<unsigned>(one)) != 0;
}

std::wstring KeyName(UINT key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
    return std::wstring(1, static_cast<wchar_t>(key));
  if (key >= VK_F1 && key <= VK_F24) return L"F" + std::to_wstring(key - VK_F1 + 1);
  switch (key) {
    case VK_RETURN: return L"Enter";
    case VK_ESCAPE: return L"Esc";
    case VK_DELETE: return L"Del";
    case VK_INSERT: return L"Ins";
    case VK_SPACE: return L"Spacja";
    case VK_TAB: return L"Tab";
    default: return L"?";
  }
}

}  // namespace

KeyChord KeyChord::Pressed(UINT key) {
  Modifiers held = Modifiers::None;
  if (GetKeyState(VK_CONTROL) < 0) held = held | Modifiers::Control;
  if (GetKeyState(VK_SHIFT) < 0) held = held | Modifiers::Shift;
  if (GetKeyState(VK_MENU) < 0) held = held | Modifiers::Alt;
  return {key, held};
}

std::wstring KeyChordText(KeyChord chord) {
  if (chord.None()) return L"";
  std::wstring text;
  if (Has(chord.modifiers, Modifiers::Control)) text += L"Ctrl+";
  if (Has(chord.modifiers, Modifiers::Alt)) text += L"Alt+";
  if (Has(chord.modifiers, Modifiers::Shift)) text += L"Shift+";
  return text + KeyName(chord.key);
}

}  // namespace kadrion::toolkit
