#include "features/settings_file.h"

namespace kadrion::features {

DWORD SettingsFile::Open() {
  const DWORD error = ini_.ReadError();
  if (error == 0) guard_.MarkRead();
  return error;
}

}  // namespace kadrion::features
