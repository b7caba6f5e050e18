#pragma once
// Texts of the program's own additions, kept apart from the four text tables (whose rows a
// language file fills): Italian, English and French. A loaded language file has none of them,
// so it shows the English one.
#include <QString>
#include <QStringList>

namespace app {

enum class ProgramText {
    SettingsNotSaved,  // the notice window's message when the settings file cannot be written

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
};

// The text in the language in use.
QString programText(ProgramText text);
// "a", "a and b", "a, b and c" in the language in use.
QString listWords(const QStringList& items);

}  // namespace app
