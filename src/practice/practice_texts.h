#pragma once
// The practice window's texts from what it found: the message for an answer that could not be
// read and the lines of a verdict, in the language in use.
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

#include "practice/answer.h"
#include "practice/exercise.h"

namespace practice {

// The message naming the part of the answer that could not be read.
QString readingMessage(const Reading& reading);
// The verdict's lines: "Right!", or what is missing, extra, which ends are wrong.
QStringList verdictLines(const Verdict& verdict);
// What a worksheet dialog says before a sheet of `count` exercises whose choices have fewer
// distinct ones: the empty text when they have enough.
QString fewExercisesNote(const Request& request, int count);
// How to type the answer to an exercise with this period.
QString answerHint(bool inequality, int period);
// "Level 2" or "Mixed".
QString levelName(int level);
// The choices of a request that are not mixed, joined by " · ": "Quadratic · Inequalities ·
// Level 2"; "Mixed" when every one is.
QString requestText(const Request& request);

// The worksheet dialog's own words and the sheet's name line when the date is printed.
enum class SheetText {
    Title,       // the title field
    Date,        // the box that prints the date
    IncludeKey,  // the box that adds the answer key
    Versions,    // how many versions
    NameLine,    // "Name ____" without the date's blank
};
QString sheetText(SheetText text);
// The locale of the language in use (a loaded language file's: English), for dates.
QLocale sheetLocale();
// A date as a sheet prints it, in the language in use: "8 dicembre 2026", "8 December 2026",
// "8 décembre 2026".
QString sheetDateText(const QDate& date);

}  // namespace practice
