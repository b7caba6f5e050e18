#pragma once
// The coefficient entry dialog: the three coefficients a, b, c typed as expressions, each
// evaluated on every change; it can only be confirmed when all three are valid.
#include <QDialog>
#include <array>
#include <string_view>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

// The results the dialog closes with.
enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

class Timmettedati : public QDialog {
    Q_OBJECT
public:
    explicit Timmettedati(QWidget* owner);

    // Change of a field: evaluate it, keep its text and, when valid, its value.
    void espraChange();
    void esprbChange();
    void esprcChange();
    void BitBtn1Click();  // OK
    void BitBtn2Click();  // cancel
    void BitBtn3Click();  // help
    void MostraClick();

    // Whether a field (0 a, 1 b, 2 c) held a valid expression when it was last evaluated.
    bool fieldValid(int field) const { return m_valid[size_t(field)]; }
    // The evaluator's message for a field when it was last evaluated (empty when valid).
    std::string_view fieldMessage(int field) const { return m_messages[size_t(field)]; }

private:
    void FormCreate();
    void fieldChange(int field);

    QLabel* Label8;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLineEdit* espra;
    QLineEdit* esprb;
    QLineEdit* esprc;
    QLabel* Label1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QMenu* PopupMenu1;
    QAction* Mostra;
    std::array<QLineEdit*, 3> m_fields;
    std::array<bool, 3> m_valid{};
    std::array<std::string_view, 3> m_messages;
};

// What a coefficient window's data button does: creates the dialog owned by `owner`, gives its
// buttons cursor 5, runs it modally and destroys it. True when it was confirmed with OK; the
// coefficients CoefficientA, CoefficientB, CoefficientC then hold the three values.
bool runCoefficientDialog(QWidget* owner);
