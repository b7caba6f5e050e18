#pragma once
// The practice history's texts in Italian, English and French (a loaded language file shows the
// English ones), and the notice that says why answers are not kept.
#include <QString>

#include "history/store.h"

namespace history {

enum class Text {
    Review,            // the practice window's button
    NothingDue,
    OfferSolution,     // after ten tries at one kind in a day
    Progress,          // the window's title
    ProgressButton,    // "Progress…"
    NotKept,           // %1 the reason, %2 the file
    SymbolicLink,      // the reasons
    Fifo,
    Folder,
    NotRegularFile,
    ReadOnly,
    NotADatabase,
    Corrupt,           // %1 where the damaged file went
    Locked,
    NewerSchema,
    CannotOpen,
    Unwritten,         // %1 how many, %2 the system's reason
    Mastered,          // the statuses
    Learning,
    Due,
    NotStarted,
    Summary,           // %1 answers, %2 mastered, %3 due
    ChartTitle,
    DayFigure,         // %1 the day, %2 right first time, %3 first tries, %4 the share in percent
    NoDays,
    SlipsTitle,
    NoSlips,
    SlipFigure,        // %1 the slip, %2 how many times
    ExportAttempts,
    ForgetHistory,
    ForgetQuestion,
    NotExported,       // followed by the file's name and the reason
    Forgotten,
    Count
};

QString text(Text which);
// Why the store keeps no file, or that answers wait in memory; empty when all is written.
QString notice(const Store& store);
// A status's word.
QString statusWord(Status status);

}  // namespace history
