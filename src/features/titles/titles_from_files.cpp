#include "features/titles/titles_from_files.h"

#include "core/media_titles.h"
#include "features/titles/media_files.h"
#include "features/titles/title_cleaning.h"
#include "toolkit/clipboard.h"
#include "toolkit/text.h"

namespace kadrion::features {

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
    const core::PolishTitleFrom polish = fields_.polishFromFileName.Checked()
                                             ? core::PolishTitleFrom::FileName
                                             : core::PolishTitleFrom::Folder;
    const core::MediaTitles titles = core::TitlesFromPath(toolkit::ToCp1250(file), polish);
    fields_.originalTitle.SetText(titles.original);
    fields_.polishTitle.SetText(titles.polish);
    CleanTitleIn(fields_.polishTitle);
    CleanTitleIn(fields_.originalTitle);
    toolkit::SetClipboardText(owner_.Handle(), fields_.polishTitle.WText());
    if (fields_.addAtOnce.Checked()) addFilm_();
  }
}

}  // namespace kadrion::features
