#pragma once
// The four text tables: every text the program shows, one per language slot
// (0 Italian, 1 English, 2 French, 3 the language loaded from a file).
#include <QString>
#include <array>
#include <vector>

namespace app {

// The language slot in use: 0 Italian, 1 English, 2 French, 3 loaded language file.
extern unsigned char CurrentLanguage;

inline constexpr int LanguageSlots = 4;

class TextTable {
public:
    TextTable(int rows, int maxLength);
    int rows() const { return int(m_cells.size()); }
    int maxLength() const { return m_maxLength; }
    // The text of a row in the language in use; empty for a row or slot out of range.
    QString text(int row) const;
    QString text(int row, int slot) const;
    // Stores a text, cut to the table's maximum length.
    void set(int row, int slot, const QString& text);

private:
    std::vector<std::array<QString, LanguageSlots>> m_cells;
    int m_maxLength;
};

extern TextTable CommonTexts;  // 33 rows of 80
extern TextTable TitleTexts;   // 18 rows of 60
extern TextTable MenuTexts;    // 32 rows of 46
extern TextTable AboutTexts;   // 83 rows of 65

// Refills the built-in slots 0-2 of every table and empties slot 3.
void resetTextTables();

// The about window's text in the three built-in languages (83 rows each).
inline constexpr int AboutTextRows = 83;
extern const std::array<std::array<const char*, 3>, AboutTextRows> AboutTextLines;

// Shorthands: a row of a table in the language in use.
inline QString commonText(int row) { return CommonTexts.text(row); }
inline QString titleText(int row) { return TitleTexts.text(row); }

// Rows of CommonTexts with a name, for the windows that use them.
namespace Common {
enum Row {
    Pause = 0, ExecutionSpeed = 1, Start = 2, New = 3, Help = 4, Degrees = 5, Radians = 6,
    NumberOfFunctions = 7, FirstFunction = 8, SecondFunction = 9, Normal = 10, StepByStep = 11,
    Continue = 12, Sine = 13, Cosine = 14, Tangent = 15, Cosecant = 16, Secant = 17, Cotangent = 18,
    FirstQuadrant = 19, FirstOctant = 20, Angle = 21, Draw = 22, SineName = 23, AllReals = 24,
    EmptySet = 25, OutOfRange = 26, DataEnter = 27, Cancel = 28, Ok = 29, Function = 30,
    TranslatorCredit = 31, CannotOpenFile = 32
};
}
// Rows of TitleTexts with a name.
namespace Title {
enum Row {
    Program = 0, ProgramUpper = 1, ProgramSpaced = 2, Functions = 3, AngleReduction = 4,
    AssociatedAngles = 5, ElementaryEquations = 6, QuadraticEquations = 7, LinearEquations = 8,
    ElementaryInequalities = 9, QuadraticInequalities = 10, LinearInequalities = 11, DataEntry = 12,
    Calculator = 13, VisitSite = 14, SiteName = 15, SiteDescription = 16, HelpBaseName = 17
};
}

}  // namespace app
