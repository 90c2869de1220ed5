#include "toolkit/recycle_bin.h"

#include "toolkit/win.h"

#include <shellapi.h>

namespace kadrion::toolkit {

bool SystemRecycleBin::Recycle(const std::wstring& path) {
  // The shell wants a list of paths, each ended by a NUL, and the list by one more.
  std::wstring from = path;
  from.push_back(L'\0');
  SHFILEOPSTRUCTW operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  return SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted;
}

}  // namespace kadrion::toolkit
