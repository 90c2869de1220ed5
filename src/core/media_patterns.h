#pragma once
// The patterns of the "D" open dialog's video and DVD groups, as the program has always offered
// them, and the files a folder tree adds as films: those two groups' and no pictures, music or
// subtitles.
#include <string>
#include <string_view>

#include "core/file_patterns.h"

namespace kadrion::core {

inline constexpr std::wstring_view kVideoPatterns =
    L"*.AVI;*.m2p;*.DIVX;*.VID;*.MPG;*.MPEG;*.DAT;*.ASF;*.RMVB;*.MOV;*.WMV;*.mpa;*.ogm;*.mpv2;"
    L"*.mpe;*.m1v;*.mp4;*.rm;*.qt;*.mp2v;*.3g2;*.3gp;*.mkv;*.mka";
inline constexpr std::wstring_view kDvdPatterns = L"*.VOB;VIDEO_TS.IFO";

inline FilePatterns FilmFilePatterns() {
  return FilePatterns(std::wstring(kVideoPatterns) + L';' + std::wstring(kDvdPatterns));
}

}  // namespace kadrion::core
