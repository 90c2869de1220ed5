#pragma once
// Reading and writing the catalogue file "Dane\Dane.dat" (625-byte records, list order).
#include <string>
#include <vector>

#include "core/film_entry.h"

namespace kadrion {

// Reads every whole record. Raises an error naming the file when it cannot be read.
std::vector<FilmEntry> ReadCatalogue(const std::wstring& path);

// Replaces the file with the rows in one step: until the new file is complete the old one
// stays as it was. The old file is kept as `backupPath` first (a user who saved a wrong list
// can go back one step). Raises an error naming the file when it cannot be written.
void WriteCatalogue(const std::wstring& path, const std::wstring& backupPath,
                    const std::vector<FilmEntry>& rows);

}  // namespace kadrion
