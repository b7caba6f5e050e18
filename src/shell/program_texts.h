#pragma once
// Texts of the program's own additions, kept apart from the four text tables (whose rows a
// language file fills): Italian, English and French. A loaded language file has none of them,
// so it shows the English one.
#include <QString>
#include <QStringList>

namespace SafeFile {
struct Result;
}

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
    PracticeSheetNotSaved,    // followed by the file's name and the reason
    PracticeTooLong,          // %1 the longest answer read
    PracticeHoldsForEveryX,   // the verdicts of an inequality whose set has no end
    PracticeHoldsForNoX,
    PracticeFewExercises,     // %1 how many distinct exercises the choices have
    PracticeProgress,         // the progress window's menu item
    // Screen readers: the names and descriptions of what has no text of its own, and the
    // words of the pictures' descriptions.
    WindowKeys,           // a topic window's description: the keys that work in it
    PictureName,          // the picture of a topic window
    ResultsName,          // the panel of the result labels
    IncreaseArrow,        // an up-down's arrows
    DecreaseArrow,
    CoefficientBox,       // %1: a, b or c
    CoefficientUpDown,    // %1: a, b or c
    And,                  // joins the last two items of a list
    EveryX,
    NoX,
    LineY,                // %1: the value
    EquationPicture,      // %1 function, %2 the lines, %3 the solutions, %4 the period
    EquationPictureNone,  // %1 function, %2 the lines
    EquationPictureAll,   // %1 function, %2 every x or no x
    InequalityPicture,    // %1 function and lines, %2 and %4 the relations, %3 and %5 their sets, %6 the period
    WithLines,            // %1 function, %2 the lines
    GraphPicture,         // %1 the functions, %2 the angle reached
    AnglePicture,         // %1 the angles drawn
    UnitCircle,           // an angle window's picture before an angle is drawn
    MainWindowKeys,       // the main window's description: the keys that work in it
    Expression,           // the calculator's fields, unit buttons and picture keys
    Result,
    Degrees,
    Radians,
    SquareRoot,
    DeleteLast,

    // Saving, printing and copying a topic window's picture: the menu items, the file types of
    // the save dialog and the messages.
    SavePicture,
    PrintPicture,
    CopyPicture,
    PngFilter,
    PngTwiceFilter,
    SvgFilter,
    PdfFilter,
    PictureNotSaved,
    PageNotPrinted,
    // The look of a saved or printed picture (the save dialog's choice and the print dialog's tab).
    PictureLook,
    ForPaper,
    AsOnScreen,

    // Why a file was not written (after the message that names it): what stands at its name,
    // or that its content could not be made.
    FileIsLink,
    FileIsFifo,
    FileIsDevice,
    FileIsFolder,
    FileNotRegular,
    FileNotMade,

    // Worksheet versions and the Solve… box.
    WorksheetVersion,     // "Version %1" (a letter), on every page of a version
    SolveMenu,            // the main window's menu item and the dialog's title
    SolvePrompt,          // what to type in the box
    SolveOpen,            // the button that opens the window
    SolveSignChanged,     // the note of a window opened with every sign changed
    Triangles,  // the Triangles window: its menu item and title

    Count  // keeps the table below as long as the list; new texts go above it
};

// The text in the language in use.
QString programText(ProgramText text);
// Why the safe writer did not write a file, in the language in use: what stands at its name, or
// the system's reason (a full disk, no permission). Empty when it was written.
QString notWrittenReason(const SafeFile::Result& result);
// The message for a file not written: `heading` ("The picture could not be saved in"), the path
// and the reason, on lines of their own.
QString notWrittenMessage(ProgramText heading, const QString& path, const SafeFile::Result& result);
// "a", "a and b", "a, b and c" in the language in use.
QString listWords(const QStringList& items);

}  // namespace app
