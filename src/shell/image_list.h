#pragma once
// The main menu's image list (16 x 16 pictures), shared with the child windows' tool bars.
// Index 1 help (tool bars), 2 draw, 3 new function, 7 help, 8 previous window, 9 next window,
// 11 data entry, 12 French flag, 13 English flag, 14 Italian flag; loaded flags are appended.
#include <QIcon>
#include <QImage>
#include <vector>

namespace app {

class ImageList {
public:
    static ImageList& mainList();
    int count() const { return int(m_icons.size()); }
    // The picture at an index; a null icon for -1 or an index out of range.
    QIcon icon(int index) const;
    // Appends a picture and returns its index.
    int append(const QIcon& icon);
    // The flag of the loaded language: appended the first time, replaced afterwards, so the list
    // keeps one flag however many language files are loaded. Returns its index.
    int setLanguageFlag(const QIcon& icon);
    // Back to the built-in pictures only.
    void reset();

    enum Index {
        Calculator = 0, ToolHelp = 1, Draw = 2, NewFunction = 3, Exit = 4, About = 5, Mail = 6, Help = 7,
        PreviousWindow = 8, NextWindow = 9, WebSite = 10, DataEntry = 11, FrenchFlag = 12, EnglishFlag = 13,
        ItalianFlag = 14
    };

private:
    ImageList();
    std::vector<QIcon> m_icons;
    int m_languageFlag = -1;
};

// The built-in pictures, drawn once.
QImage drawMenuPicture(int index);

}  // namespace app
