#pragma once
// The notice shown when a language file chosen by the user is refused, or when the settings
// file cannot be written.
#include <QDialog>

class QLabel;
class QPushButton;

namespace app {

class Tversione : public QDialog {
    Q_OBJECT
public:
    // Names the refused language file.
    Tversione(QWidget* owner, const QString& refusedFile);
    // Shows a message of its own and the path of the file it is about.
    Tversione(QWidget* owner, const QString& message, const QString& path);
    void BitBtn1Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void FormCreate();
    QString m_message;
    QString m_name;
    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* BitBtn1;
};

}  // namespace app
