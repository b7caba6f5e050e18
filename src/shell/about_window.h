#pragma once
// The about window: the program's name, its author and translators, a text on the program and
// a link to the maker's site.
#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace app {

class Tinfo : public QDialog {
    Q_OBJECT
public:
    explicit Tinfo(QWidget* owner);

    void Label3Click();
    void BitBtn1Click();
    // The link's hover effect: underlined while the mouse is over it.
    void setLinkHovered(bool hovered);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void FormCreate();

    QFrame* Panel1;
    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* Label2;
    QToolButton* SpeedButton1;
    QPlainTextEdit* Memo1;
    QFrame* Panel2;
    QLabel* Label1;
    QLabel* Label3;
    QLabel* Label4;
    QPushButton* BitBtn1;
};

}  // namespace app
