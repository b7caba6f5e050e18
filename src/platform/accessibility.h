#pragma once
// What a screen reader reads beyond the controls' own texts: a picture as an element of its
// own whose description says in words what it shows, the value of an up-down, names and
// descriptions that tell a change to the reader; and the desktop's high-contrast setting, under
// which the program's texts and lines are kept well apart from their grounds.
#include <QColor>
#include <QString>
#include <QWidget>

namespace Accessibility {

// Registers the accessible interfaces of PictureElement (an image) and UpDown (a spin box with
// its position as value, whose Increase, Decrease and value set are clicks of its arrows); once,
// before the first window is shown.
void installInterfaces();

// A picture as screen readers see it: a child laid over the area where a window draws its
// picture, drawing nothing and taking no mouse input, with the role of an image. Its
// description changes with every step of the picture.
class PictureElement : public QWidget {
    Q_OBJECT
public:
    explicit PictureElement(QWidget* parent);
    // Sets the description; a new one is told to the reader.
    void describe(const QString& description);
};

// Screen readers go through the panel's children in reading order (top to bottom, then left to
// right), whatever order they were made in.
void readInReadingOrder(QWidget* panel);

// Sets a widget's accessible name and description; each that changes is told to the reader.
void setTexts(QWidget* widget, const QString& name, const QString& description);

// Tells the reader that the position of an up-down changed.
void valueChanged(QWidget* upDown, int position);

// Whether the desktop asks for high contrast: GTK_THEME names a high-contrast theme (GNOME's
// "HighContrast" and "HighContrastInverse", which Qt's GTK platform theme follows as well).
bool highContrast();
// The contrast ratio of two colours (1 ... 21), by their relative luminance.
double contrastRatio(const QColor& a, const QColor& b);
// `text` as drawn on `ground`: unchanged in normal contrast; under high contrast made darker or
// lighter, keeping its hue, until it stands at least 7 : 1 against the ground.
QColor readable(const QColor& text, const QColor& ground);

}  // namespace Accessibility
