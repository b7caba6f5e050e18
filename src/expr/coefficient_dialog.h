#pragma once
// The coefficient entry dialog: the three coefficients a, b, c typed as expressions, each
// evaluated on every change; it can only be confirmed when all three are valid. A coefficient
// window gives it its own three expressions and gets back what was typed and, when confirmed,
// the three values.
#include <QDialog>
#include <QString>
#include <array>
#include <optional>
#include <string_view>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace app {

// The results the dialog closes with.
enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

class Timmettedati : public QDialog {
    Q_OBJECT
public:
    // The dialog on a window's three expressions (a, b, c), owned by `owner`.
    Timmettedati(QWidget* owner, const std::array<QString, 3>& expressions);

    // Change of a field: evaluate it, keep its text and, when valid, its value.
    void espraChange();
    void esprbChange();
    void esprcChange();
    void BitBtn1Click();  // OK
    void BitBtn2Click();  // cancel
    void BitBtn3Click();  // help
    void MostraClick();

    // Each field's text as it was last typed, valid or not.
    const std::array<QString, 3>& expressions() const { return m_expressions; }
    // Each field's value at its last valid evaluation (0 before the first).
    const std::array<long double, 3>& values() const { return m_values; }
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
    std::array<QString, 3> m_expressions;
    std::array<long double, 3> m_values{};
    std::array<bool, 3> m_valid{};
    std::array<std::string_view, 3> m_messages;
};

// What the dialog closes with: the three texts as they were last typed (kept by the window even
// when the dialog is cancelled) and, when it was confirmed with OK, the three values.
struct CoefficientDialogOutcome {
    std::array<QString, 3> expressions;
    std::optional<std::array<long double, 3>> confirmed;
};

// What a coefficient window's data button does: creates the dialog on the window's expressions,
// owned by `owner`, gives its buttons cursor 5, runs it modally and destroys it.
CoefficientDialogOutcome runCoefficientDialog(QWidget* owner, const std::array<QString, 3>& expressions);

}  // namespace app
