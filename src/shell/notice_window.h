#pragma once
// The notice shown when a language file chosen by the user is refused.
#include <QDialog>

class QLabel;
class QPushButton;

class Tversione : public QDialog {
    Q_OBJECT
public:
    explicit Tversione(QWidget* owner);
    void BitBtn1Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void FormCreate();
    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* BitBtn1;
};
