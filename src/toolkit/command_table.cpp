#include "toolkit/command_table.h"

#include <vector>

#include "toolkit/control.h"
#include "toolkit/controls.h"

namespace kadrion::toolkit {

FocusRule FocusIn(std::initializer_list<const Control*> controls) {
  return [windows = std::vector<const Control*>(controls)](HWND focus) {
    if (!focus) return false;
    for (const Control* control : windows)
      if (focus == control->Handle() || GetParent(focus) == control->Handle()) return true;
    return false;
  };
}

FocusRule FocusOutsideTextFields() {
  return [](HWND focus) { return !IsTextField(focus); };
}

CommandTable::Id CommandTable::Add(Command command) {
  commands_.push_back(std::move(command));
  return static_cast<Id>(commands_.size()) - 1;
}

std::wstring CommandTable::KeyText(Id id) const {
  const Command& command = At(id);
  return command.keys.empty() ? L"" : KeyChordText(command.keys.front().chord);
}

bool CommandTable::Enabled(Id id) const {
  const Command& command = At(id);
  return !command.enabled || command.enabled();
}

void CommandTable::Run(Id id) {
  if (Enabled(id)) At(id).run();
}

bool CommandTable::HandleKey(KeyChord chord, HWND focus) {
  for (std::size_t id = 0; id < commands_.size(); ++id)
    for (const KeyBinding& binding : commands_[id].keys) {
      if (binding.chord != chord || (binding.where && !binding.where(focus))) continue;
      if (!Enabled(static_cast<Id>(id))) return !chord.Plain();
      commands_[id].run();
      return true;
    }
  return false;
}

int CommandTable::AddTo(PopupMenu& menu, Id id) {
  const int item = menu.Add(Caption(id), [this, id] { Run(id); }, KeyText(id));
  if (At(id).enabled) menu[item].enabledWhen = [this, id] { return Enabled(id); };
  return item;
}

void CommandTable::AddTo(PopupMenu& menu, std::initializer_list<Id> items) {
  for (const Id id : items) id == kSeparator ? menu.AddSeparator() : AddTo(menu, id);
}

void CommandTable::Bind(Button& button, Id id) {
  button.onClick = [this, id] { Run(id); };
}

}  // namespace kadrion::toolkit
