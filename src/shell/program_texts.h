#pragma once
// Texts of the program's own additions, kept apart from the four text tables (whose rows a
// language file fills): Italian, English and French. A loaded language file has none of them,
// so it shows the English one.
#include <QString>

namespace app {

enum class ProgramText {
    SettingsNotSaved,  // the notice window's message when the settings file cannot be written
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
};

// The text in the language in use.
QString programText(ProgramText text);

}  // namespace app
