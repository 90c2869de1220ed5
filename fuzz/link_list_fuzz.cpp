// The link list as it comes from the network, and any address: whatever the link strip or the
// announcement would open starts with http:// or https://, names a host, and holds no blank
// and no control character.
#include <string_view>

#include "core/ini_document.h"
#include "core/link_list.h"
#include "fuzz_support.h"

using namespace kadrion::core;

namespace {

void CheckOpened(std::wstring_view address) {
  if (!IsWebAddress(address)) return;
  std::wstring start(address.substr(0, 8));
  for (wchar_t& c : start)
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  const std::size_t host = start.starts_with(L"http://") ? 7 : 8;
  FUZZ_CHECK(start.starts_with(L"http://") || start.starts_with(L"https://"));
  FUZZ_CHECK(address.size() > host && address[host] != L'/' && address[host] != L'\\');
  for (const wchar_t c : address) FUZZ_CHECK(c > L' ' && !(c >= 0x7F && c <= 0x9F));
}

// Bytes as the characters of the same numbers: the Windows-1250 bytes 0x80-0x9F stand in for
// the C1 control characters the window side could meet.
std::wstring Widened(std::string_view bytes) {
  std::wstring text;
  for (const char c : bytes) text += static_cast<wchar_t>(static_cast<unsigned char>(c));
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  if (input.ConsumeBool()) {
    // The rest as UTF-16 text, low byte first.
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    std::wstring address;
    for (std::size_t k = 0; k + 1 < bytes.size(); k += 2)
      address += static_cast<wchar_t>(static_cast<unsigned char>(bytes[k]) |
                                      static_cast<unsigned char>(bytes[k + 1]) << 8);
    CheckOpened(address);
    return 0;
  }
  const IniDocument file(input.ConsumeRemainingBytesAsString());
  const LinkList list = ReadLinkList([&](const std::wstring& key, const std::wstring& fallback) {
    const auto value = file.Find("inne", std::string(key.begin(), key.end()));
    return value ? Widened(*value) : fallback;
  });
  for (const std::wstring& target : list.targets) CheckOpened(target);
  CheckOpened(list.announcement);
  return 0;
}
