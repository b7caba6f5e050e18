#pragma once
// A worksheet: numbered exercises on the first pages and their answer key, in degrees and as
// fractions of π, on the pages after (and, when asked, the worked solutions after the key), in the language in use, with the seed in every footer.
// Drawn on any paged device (a PDF writer, a printer), vector text only.
#include <QDate>
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
    // Versions A, B, ... of the same request, each with its own exercises (from its own seed,
    // versionSeed), its own key and its letter on every page; 1 is a sheet without letters.
    int versions = 1;  // 1 to MaxWorksheetVersions
    bool key = true;   // the answer key after each version's exercises
    bool workedKey = false;  // the worked solution of every exercise after the answer key
    // Printed at the top of every version and of its keys: the title (empty or blank: the
    // default, "Worksheet" in the language in use; at most MaxWorksheetTitle characters) and
    // the date (a null date leaves the blank "Date ____" for the student to fill in).
    QString title;
    QDate date;
};

inline constexpr int MaxWorksheetExercises = 40;
inline constexpr int MaxWorksheetVersions = 4;
inline constexpr int MaxWorksheetTitle = 80;

// The title a sheet prints: the settings' title with its spaces tidied and cut to
// MaxWorksheetTitle characters, or the default when it is blank.
QString worksheetTitle(const WorksheetSettings& settings);

// The seed of version `version` (0 for A) of a sheet: the sheet's own seed for A, and for the
// others a seed mixed from it, so each version of the same seed is always the same.
std::uint32_t versionSeed(std::uint32_t seed, int version);

// The exercises of a sheet (of its version A; versionSeed gives the others): the same
// settings give the same sheet.
std::vector<Exercise> worksheetExercises(const WorksheetSettings& settings);

// The title and lines of the worked key: each exercise numbered (as printed: sin²x), then its steps.
QString workedKeyTitle();
QStringList workedKeyLines(const Exercise& exercise, int number);

// Writes the sheet and its key to a PDF file (A4) through the safe writer: whole or not at all.
SafeFile::Result writeWorksheet(const QString& path, const WorksheetSettings& settings);

// Draws the sheet and its key on a paged device (its page size and margins as set): for
// SafeFile::print and SafeFile::writePdf.
SafeFile::PageDrawer worksheetDrawer(const WorksheetSettings& settings);

}  // namespace practice
