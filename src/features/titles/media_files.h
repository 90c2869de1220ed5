#pragma once
// Which files are media files: the groups of the "D" open dialog (the video and DVD groups'
// patterns, which also pick the films of a folder tree, are in core/media_patterns.h).
#include <string>
#include <vector>

#include "core/media_patterns.h"
#include "toolkit/dialogs.h"

namespace kadrion::features {

// The groups of the open dialog, as the program has always offered them.
inline const std::vector<toolkit::FileFilter> kMediaFiles = {
    {L"Wszyskie pliki ",
     L"*.avi;VIDEO_TS.IFO;*.DIVX;*.VOB;*.MPC;*.WMA;*.MPG;*.MPEG;*.DAT;*.ASF;*.MP3;*.WAV;*.MID;"
     L"*.MIDI;*.JPG;*.JPEG;*.BMP;*.GIF;*.RMVB;*.MOV;*.WMV;*.RMI;*.MP2;*.MP1;*.mpa;*.mpv2;*.mpe;"
     L"*.aiff;*.m1v;*.mp4;*.aif;*.rm;*.qt;*.mp2v;*.psd;*.tga;*.tif;*.3g2;*.3gp;*.dib;*.jfif;"
     L"*.jpe;*.kar;*.cel;*.mkv;*.mka;*.wmf;*.png"},
    {L"Wideo (avi, mpg, mpeg, dat, rm, rmvb, wmv, mov, asf, mpa, mpe, m1v, mp4, mkv, mka, qt, "
     L"m2p, mp2v, mpv2, 3g2, 3gp, vid, divx, ogm)",
     std::wstring(core::kVideoPatterns)},
    {L"Muzyczne (mp1, mp2, mp3, wav, wma, mid, midi, rmi, aif, aiff, kar, cel, mpc, m4a, au)",
     L";*.MP3;*.MPC;*.WMA;*.WAV;*.MID;*.MIDI;*.RMI;*.MP2;*.MP1;*.aif;*.aiff;*.kar;*.cel;*.m4a;"
     L"*.au"},
    {L"Graficzne (gif, jpg, jpeg, jpe, bmp, wmf, png, psd, tga, tif, dib, jfif)",
     L"*.JPG;*.JPEG;*.BMP;*.GIF;*.WMF;*.PNG;*.psd;*.tga;*.tif;*.dib;*.jfif;*.jpe"},
    {L"DVD (vob, ifo)", std::wstring(core::kDvdPatterns)},
};

}  // namespace kadrion::features
