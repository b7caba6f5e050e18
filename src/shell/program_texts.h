#pragma once
// Texts of the program's own additions, kept apart from the four text tables (whose rows a
// language file fills): Italian, English and French. A loaded language file has none of them,
// so it shows the English one.
#include <QString>

namespace app {

enum class ProgramText {
    SettingsNotSaved,  // the notice window's message when the settings file cannot be written
};

// The text in the language in use.
QString programText(ProgramText text);

}  // namespace app
