#include "core/details_book.h"

namespace kadrion::core {

void DetailsBook::Take(const std::vector<DetailsRecord>& records) {
  byFilm_.clear();
  unmatched_.clear();
  std::vector<FilmKey> keys;
  keys.reserve(records.size());
  for (const DetailsRecord& record : records) keys.push_back(record.film);
  const std::vector<int> rows = FindFilms(catalogue_.Films(), keys);
  for (std::size_t k = 0; k < records.size(); ++k) {
    if (rows[k] < 0)
      unmatched_.push_back(records[k]);
    else
      byFilm_[catalogue_.Id(rows[k])] = records[k].details;
  }
  ++revision_;
}

FilmDetails DetailsBook::Of(int row) const {
  const auto found = byFilm_.find(catalogue_.Id(row));
  return found == byFilm_.end() ? FilmDetails{} : found->second;
}

void DetailsBook::Set(int row, FilmDetails details) {
  const FilmId id = catalogue_.Id(row);
  if (details.Empty())
    byFilm_.erase(id);
  else
    byFilm_[id] = std::move(details);
  ++revision_;
}

std::vector<DetailsRecord> DetailsBook::Records() const {
  std::vector<DetailsRecord> records;
  if (!byFilm_.empty()) {
    const std::vector<FilmKey> keys = KeysOf(catalogue_.Films());
    for (int row = 0; row < catalogue_.Count(); ++row) {
      const auto found = byFilm_.find(catalogue_.Id(row));
      if (found != byFilm_.end())
        records.push_back(DetailsRecord{keys[static_cast<std::size_t>(row)], found->second});
    }
  }
  records.insert(records.end(), unmatched_.begin(), unmatched_.end());
  return records;
}

}  // namespace kadrion::core
