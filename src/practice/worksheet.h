#pragma once
// A worksheet: numbered exercises on the first pages and their answer key, in degrees and as
// fractions of π, on the pages after (and, when asked, the worked solutions after the key), in the language in use, with the seed in every footer.
// Drawn on any paged device (a PDF writer, a printer), vector text only.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "platform/safe_file.h"
#include "practice/exercise.h"

namespace practice {

struct WorksheetSettings {
    Request request;
    int count = 10;  // 1 to 40
    std::uint32_t seed = 0;
    bool workedKey = false;  // the worked solution of every exercise after the answer key
};

inline constexpr int MaxWorksheetExercises = 40;

// The exercises of a sheet: the same settings give the same sheet.
std::vector<Exercise> worksheetExercises(const WorksheetSettings& settings);

// The title and lines of the worked key: each exercise numbered, then its steps.
QString workedKeyTitle();
QStringList workedKeyLines(const Exercise& exercise, int number);

// Writes the sheet and its key to a PDF file (A4) through the safe writer: whole or not at all.
SafeFile::Result writeWorksheet(const QString& path, const WorksheetSettings& settings);

// Draws the sheet and its key on a paged device (its page size and margins as set): for
// SafeFile::print and SafeFile::writePdf.
SafeFile::PageDrawer worksheetDrawer(const WorksheetSettings& settings);

}  // namespace practice
