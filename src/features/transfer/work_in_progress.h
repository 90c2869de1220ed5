#pragma once
// Said when a second import or folder scan is asked for while one still runs.

namespace kadrion::features {

inline constexpr wchar_t kWorkStillRunning[] =
    L"Poprzedni import jeszcze trwa. Poczekaj, aż się skończy, albo go anuluj.";

}  // namespace kadrion::features
