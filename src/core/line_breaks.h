#pragma once
// Line breaks as Windows text boxes hold them: CR LF.
#include <string>
#include <string_view>

namespace kadrion::core {

// Every lone CR and every lone LF becomes CR LF; CR LF pairs stay as they are.
std::string WithCrLf(std::string_view text);

}  // namespace kadrion::core
