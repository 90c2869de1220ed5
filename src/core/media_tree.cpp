#include "core/media_tree.h"

#include <algorithm>
#include <set>

namespace kadrion::core {

namespace {

constexpr std::wstring_view kDvdFolder = L"VIDEO_TS";
constexpr std::wstring_view kDvdIndex = L"VIDEO_TS.IFO";

// The capital of a letter of the alphabets a user's film folders are named in; any other
// character as it is.
char32_t Capital(wchar_t character) {
  const auto c = static_cast<char32_t>(character);
  if (c >= U'a' && c <= U'z') return c - 0x20;
  if (c < 0xE0) return c;
  if (c <= 0xFE) return c == 0xF7 ? c : c - 0x20;  // Latin-1, but for the division sign
  if (c == 0xFF) return 0x178;
  if (c < 0x180) {
    // Latin Extended-A: capital and small letters in pairs, the capital first, except in
    // U+0139-U+0148 and U+0179-U+017E where the pairs start one later.
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return c % 2 ? c : c - 1;
    if (c <= 0x137 || (c >= 0x14A && c <= 0x177)) return c & ~char32_t{1};
    return c;
  }
  if (c >= 0x3B1 && c <= 0x3CB) return c == 0x3C2 ? 0x3A3 : c - 0x20;  // Greek, final sigma
  if (c == 0x3AC) return 0x386;
  if (c >= 0x3AD && c <= 0x3AF) return c - 0x25;
  if (c == 0x3CC) return 0x38C;
  if (c == 0x3CD || c == 0x3CE) return c - 0x3F;
  if (c >= 0x430 && c <= 0x44F) return c - 0x20;  // Cyrillic
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;
  return c;
}

bool SameLetters(std::wstring_view a, std::wstring_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](wchar_t x, wchar_t y) { return Capital(x) == Capital(y); });
}

// The root as the reader takes it: no closing "\" but a drive root's.
std::wstring FolderPath(std::wstring root) {
  while (root.size() > 1 && root.back() == L'\\') root.pop_back();
  if (!root.empty() && root.back() == L':') root += L'\\';
  return root;
}

// A VIDEO_TS folder's one film: named after the folder holding it, or the index file itself
// when that is a drive's root and has no name.
std::optional<MediaFile> DvdFilm(const std::wstring& folder, const FolderListing& listing) {
  const std::size_t slash = folder.find_last_of(L'\\');
  const std::wstring_view name =
      std::wstring_view(folder).substr(slash == std::wstring::npos ? 0 : slash + 1);
  if (!SameLetters(name, kDvdFolder)) return std::nullopt;
  const auto index = std::find_if(listing.entries.begin(), listing.entries.end(), [](auto& e) {
    return e.kind == EntryKind::File && SameLetters(e.name, kDvdIndex);
  });
  if (index == listing.entries.end()) return std::nullopt;
  const std::wstring parent = slash == std::wstring::npos ? L"" : folder.substr(0, slash);
  const std::size_t parentSlash = parent.find_last_of(L'\\');
  const std::wstring parentName =
      parent.substr(parentSlash == std::wstring::npos ? 0 : parentSlash + 1);
  if (parentName.empty() || parentName.back() == L':')
    return MediaFile{JoinedPath(folder, index->name), MediaKind::Dvd};
  return MediaFile{parent + L'\\' + parentName + L".ifo", MediaKind::Dvd};
}

struct OpenFolder {
  std::wstring path;
  std::vector<FolderEntry> entries;  // sorted
  std::size_t next = 0;
};

}  // namespace

std::wstring JoinedPath(const std::wstring& folder, std::wstring_view name) {
  std::wstring path = folder;
  if (path.empty() || path.back() != L'\\') path += L'\\';
  path += name;
  return path;
}

bool NameBefore(std::wstring_view a, std::wstring_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const char32_t x = Capital(a[i]), y = Capital(b[i]);
    if (x != y) return x < y;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

std::wstring NameKey(std::wstring_view name) {
  std::wstring key(name.size(), L'\0');
  std::transform(name.begin(), name.end(), key.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(Capital(c)); });
  return key;
}

MediaScan FindMediaFiles(const std::wstring& root, const FilePatterns& media, FolderReader& reader,
                         WorkProgress& progress) {
  MediaScan scan;
  std::set<FolderIdentity> walked;
  std::vector<OpenFolder> open;
  // Reads a folder and opens it for the walk, or takes its DVD film; false: stop.
  const auto enter = [&](std::wstring path) {
    std::optional<FolderListing> listing = reader.Read(path);
    if (!listing) {
      ++scan.unreadableFolders;
    } else if (walked.insert(listing->identity).second) {
      if (auto dvd = DvdFilm(path, *listing)) {
        scan.files.push_back(std::move(*dvd));
      } else {
        std::sort(
            listing->entries.begin(), listing->entries.end(),
            [](const FolderEntry& a, const FolderEntry& b) { return NameBefore(a.name, b.name); });
        open.push_back({std::move(path), std::move(listing->entries)});
      }
    }
    scan.complete = progress.Continue(scan.files.size(), 0);
    return scan.complete;
  };
  if (!enter(FolderPath(root))) return scan;
  while (!open.empty()) {
    OpenFolder& folder = open.back();
    if (folder.next == folder.entries.size()) {
      open.pop_back();
      continue;
    }
    const FolderEntry& entry = folder.entries[folder.next++];
    if (entry.kind == EntryKind::File) {
      if (media.Matches(entry.name))
        scan.files.push_back({JoinedPath(folder.path, entry.name), MediaKind::File});
    } else if (!enter(JoinedPath(folder.path, entry.name))) {
      return scan;
    }
  }
  return scan;
}

}  // namespace kadrion::core
