#include "features/titles/titles_from_files.h"

#include "core/media_titles.h"
#include "features/titles/title_cleaning.h"
#include "toolkit/clipboard.h"
#include "toolkit/text.h"

namespace kadrion::features {

namespace {

// The groups of the open dialog, as the program has always offered them.
const std::vector<toolkit::FileFilter> kMediaFiles = {
    {L"Wszyskie pliki ",
     L"*.avi;VIDEO_TS.IFO;*.DIVX;*.VOB;*.MPC;*.WMA;*.MPG;*.MPEG;*.DAT;*.ASF;*.MP3;*.WAV;*.MID;"
     L"*.MIDI;*.JPG;*.JPEG;*.BMP;*.GIF;*.RMVB;*.MOV;*.WMV;*.RMI;*.MP2;*.MP1;*.mpa;*.mpv2;*.mpe;"
     L"*.aiff;*.m1v;*.mp4;*.aif;*.rm;*.qt;*.mp2v;*.psd;*.tga;*.tif;*.3g2;*.3gp;*.dib;*.jfif;"
     L"*.jpe;*.kar;*.cel;*.mkv;*.mka;*.wmf;*.png"},
    {L"Wideo (avi, mpg, mpeg, dat, rm, rmvb, wmv, mov, asf, mpa, mpe, m1v, mp4, mkv, mka, qt, "
     L"m2p, mp2v, mpv2, 3g2, 3gp, vid, divx, ogm)",
     L"*.AVI;*.m2p;*.DIVX;*.VID;*.MPG;*.MPEG;*.DAT;*.ASF;*.RMVB;*.MOV;*.WMV;*.mpa;*.ogm;*.mpv2;"
     L"*.mpe;*.m1v;*.mp4;*.rm;*.qt;*.mp2v;*.3g2;*.3gp;*.mkv;*.mka"},
    {L"Muzyczne (mp1, mp2, mp3, wav, wma, mid, midi, rmi, aif, aiff, kar, cel, mpc, m4a, au)",
     L";*.MP3;*.MPC;*.WMA;*.WAV;*.MID;*.MIDI;*.RMI;*.MP2;*.MP1;*.aif;*.aiff;*.kar;*.cel;*.m4a;"
     L"*.au"},
    {L"Graficzne (gif, jpg, jpeg, jpe, bmp, wmf, png, psd, tga, tif, dib, jfif)",
     L"*.JPG;*.JPEG;*.BMP;*.GIF;*.WMF;*.PNG;*.psd;*.tga;*.tif;*.dib;*.jfif;*.jpe"},
    {L"DVD (vob, ifo)", L"*.VOB;VIDEO_TS.IFO"},
};

}  // namespace

TitlesFromFiles::TitlesFromFiles(toolkit::Dialogs& dialogs, const toolkit::Control& owner,
                                 TitleFields fields, std::function<void()> addFilm)
    : dialogs_(dialogs), owner_(owner), fields_(fields), addFilm_(std::move(addFilm)) {}

void TitlesFromFiles::PickFiles() {
  std::vector<std::wstring> files;
  if (dialogs_.OpenFiles(owner_.Handle(), kMediaFiles, files)) AddFiles(files);
}

void TitlesFromFiles::AddFiles(const std::vector<std::wstring>& files) {
  // The program's files have full paths from the start, so the folder the dialog browsed to
  // does not matter here.
  for (const std::wstring& file : files) {
    const core::MediaTitles titles =
        core::TitlesFromPath(toolkit::ToCp1250(file), fields_.polishFromFileName.Checked());
    fields_.originalTitle.SetText(titles.original);
    fields_.polishTitle.SetText(titles.polish);
    CleanTitleIn(fields_.polishTitle);
    CleanTitleIn(fields_.originalTitle);
    toolkit::SetClipboardText(owner_.Handle(), fields_.polishTitle.WText());
    if (fields_.addAtOnce.Checked()) addFilm_();
  }
}

}  // namespace kadrion::features
