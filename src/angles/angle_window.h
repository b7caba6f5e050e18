#pragma once
// What the angle reduction and associated angles windows share: the control bar with its tool
// bar (quadrante, angolo, pangolo, traccia, aiuto) and hint menu, the bottom bar, the two bevels
// with their labels on the right half, and the picture of the circle on the left half.
#include <QString>
#include <vector>

#include "angles/angle_picture.h"
#include "shell/child_window.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QToolBar;
class QToolButton;
class QWidget;
namespace platform {
class UpDown;
}

namespace angles {

// What tells the two windows apart.
struct AngleWindowDesign {
    const char* controlBarName = "";  // objectName of the control bar
    int titleRow = 0;                 // TitleTexts row of the caption
    int quadranteWidth = 0;
    bool symbolFont = false;          // quadrante and the labels of Bevel1 in the Symbol font
    int angoloWidth = 0;
    int minimum = 0;                  // range and start of pangolo (wrapping)
    int maximum = 0;
    int position = 0;
    int axisDivisor = 8;              // the vertical axis runs from H div d to 9H div d
    const char* mostraCaption = "";
};

class AngleWindow : public app::ChildWindow {
    Q_OBJECT
public:
    // One press of traccia.
    virtual void tracciaClick() = 0;

    // R, the radius of the circle (screen width div 5).
    int angleRadius() const { return AngleRadius; }
    // Where the circle lies in the client area (from its size when the window was created).
    AnglePicture picture() const;

    // The picture replayed: the background, then what was drawn over it since it was last
    // drawn (the circle wiped, the angles).
    void paint(QPainter& painter, QSize size) const override;
    // The black half with the circle: the other half holds the labels, which go as text.
    QRect pictureArea() const override;
    // The circle with its axes and their names, within the black half.
    QList<QRect> pictureParts() const override;

    QWidget* controlBar;
    QToolBar* ToolBar1;
    QComboBox* quadrante;
    QLineEdit* angolo;
    platform::UpDown* pangolo;
    QToolButton* traccia;
    QFrame* sotto;
    QFrame* Bevel1;
    QFrame* Bevel2;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;

protected:
    AngleWindow(const app::TopicWindow& topic, const AngleWindowDesign& design);

    // The creation steps both windows share: bounds, cursors, bevels and their labels (Label2
    // at Bevel1's height times label2Numerator div label2Denominator), the radius, the hints
    // and the texts of the language in use.
    void createLayout(int label2Numerator, int label2Denominator);
    // Places a label of Bevel1 at Bevel1.Top + Bevel1.Height * numerator div denominator.
    void placeInBevel1(QLabel* label, int numerator, int denominator);
    // A bold label of Bevel1 (in the Symbol font where the window uses it).
    QLabel* makeBevel1Label(const char* name);

    // The name of the sine in the language in use ("sen", "sin").
    static QString sineName();

    // The background picture, drawn on the surface.
    void drawBackground();
    // The circle drawn again, wiping the angles inside it, and its axes without arrowheads.
    void redrawCircle();
    // Draws angles on the circle, as (degrees, style) pairs, then shows the surface.
    void drawAngles(std::initializer_list<std::pair<int, AngleStyle>> angles);

private:
    QLabel* makeLabel(QFrame* bevel, const char* name, bool symbol);

    // One thing drawn over the background: the circle wiped, or an angle.
    struct Stroke {
        bool wipe = false;
        int degrees = 0;
        AngleStyle style;
    };

    AngleWindowDesign m_design;
    int AngleRadius = 0;
    // The picture's description: the angles drawn since the circle was last wiped.
    void describeAngles();
    std::vector<Stroke> m_strokes;
};

}  // namespace angles
