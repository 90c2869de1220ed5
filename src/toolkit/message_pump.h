#pragma once
// Handling the messages already waiting from inside a handler, for a loop that animates a
// window while the program stays responsive. The application's message loop provides it.
namespace kadrion::toolkit {

class MessagePump {
 public:
  virtual ~MessagePump() = default;
  // Handles every message already waiting, then returns. False once WM_QUIT was seen.
  virtual bool ProcessMessages() = 0;
};

}  // namespace kadrion::toolkit
