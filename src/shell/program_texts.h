#pragma once
// Texts of the program's own additions, kept apart from the four text tables (whose rows a
// language file fills): Italian, English and French. A loaded language file has none of them,
// so it shows the English one.
#include <QString>

namespace app {

enum class ProgramText {
    SettingsNotSaved,  // the notice window's message when the settings file cannot be written

    // The practice window and its worksheets.
    Practice,                 // the menu item and the window's title
    PracticeElementary,       // the kinds
    PracticeQuadratic,
    PracticeLinear,
    PracticeEquation,
    PracticeInequality,
    PracticeMixed,
    PracticeLevel,            // "Level %1"
    PracticeNewExercise,
    PracticeCheck,
    PracticeShowMe,
    PracticeWorksheet,        // the button that makes a worksheet
    PracticeSeed,             // "Seed %1"
    PracticeTypeSolutions,    // how to type an equation's answer; %1 the period
    PracticeTypeIntervals,    // how to type an inequality's answer; %1 the period
    PracticeRight,
    PracticeMissing,          // the verdicts; %1 a list of angles
    PracticeExtra,
    PracticeEveryX,
    PracticeWrongEnds,
    PracticeMissingEnds,
    PracticeInclude,
    PracticeExclude,
    PracticeWrongStretches,
    PracticeEmptyAnswer,      // what could not be read; %1 the part
    PracticeUnreadable,
    PracticeNotWhole,
    PracticeEndsOrder,
    PracticeScore,            // %1 right first time, %2 right after hints, %3 exercises
    PracticeSheetTitle,
    PracticeAnswerKey,
    PracticeSheetInstruction,
    PracticeNameAndDate,
    PracticeFooter,           // %1 the seed, %2 the choices, %3 the page
    PracticeCount,
    PracticeKind,
    PracticeFunction,
    PracticeLevelChoice,
    PracticeSavePdf,
    PracticeTheAnswer,        // "Answer:"
    PracticeOutOfRange,       // %1 an angle far beyond one period
};

// The text in the language in use.
QString programText(ProgramText text);

}  // namespace app
