#include "expr/coefficient_dialog.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>

#include "expr/button_pictures.h"
#include "expr/calculator.h"
#include "expr/typed_expression.h"
#include "platform/colors.h"
#include "platform/cursors.h"
#include "platform/desktop.h"
#include "platform/fonts.h"
#include "platform/help.h"
#include "platform/hints.h"
#include "texts/text_tables.h"

namespace app {

namespace {

constexpr int HelpContext = 804;
// The texts the fields show before the window's expressions are put in.
constexpr const char* DesignTexts[3] = {"-6", "2", "0"};
constexpr char FieldLetters[3] = {'a', 'b', 'c'};

QLabel* boldLabel(QWidget* parent, const char* name, const QString& text, int x, int y)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setObjectName(QLatin1String(name));
    label->setFont(Fonts::windowDefault(true));
    label->move(x, y);
    label->adjustSize();
    return label;
}

}  // namespace

Timmettedati::Timmettedati(QWidget* owner, const std::array<QString, 3>& expressions)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      Label8(boldLabel(this, "Label8", QStringLiteral("a x^2 +  b x  +  c = 0"), 16, 12)),
      Label2(boldLabel(this, "Label2", QStringLiteral("a ="), 16, 44)),
      Label3(boldLabel(this, "Label3", QStringLiteral("b ="), 16, 76)),
      Label4(boldLabel(this, "Label4", QStringLiteral("c = "), 16, 108)),
      espra(new QLineEdit(this)),
      esprb(new QLineEdit(this)),
      esprc(new QLineEdit(this)),
      Label1(new QLabel(this)),
      BitBtn1(new QPushButton(this)),
      BitBtn2(new QPushButton(this)),
      BitBtn3(new QPushButton(this)),
      PopupMenu1(new QMenu(this)),
      Mostra(new QAction(QStringLiteral("&mostra suggerimenti"), this)),
      m_fields{espra, esprb, esprc},
      m_expressions(expressions)
{
    setObjectName(QStringLiteral("Timmettedati"));
    espra->setObjectName(QStringLiteral("espra"));
    // Screen readers name each field by the label beside it.
    Label2->setBuddy(espra);
    Label3->setBuddy(esprb);
    Label4->setBuddy(esprc);
    esprb->setObjectName(QStringLiteral("esprb"));
    esprc->setObjectName(QStringLiteral("esprc"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Mostra->setObjectName(QStringLiteral("Mostra"));

    setFixedSize(403, 180);
    setFont(Fonts::windowDefault());
    Label8->setFont(Fonts::sansSerif(14, true));
    Label8->adjustSize();

    for (int i = 0; i < 3; ++i) {
        QLineEdit* field = m_fields[size_t(i)];
        field->setFont(Fonts::windowDefault(true));
        field->setGeometry(56, 40 + 32 * i, 233, 23);
        field->setText(QLatin1String(DesignTexts[i]));
    }
    espra->setMaxLength(app::MaxExpressionLength);

    Label1->setFont(Fonts::windowDefault(true));
    QPalette errorColours = Label1->palette();
    errorColours.setColor(QPalette::Window, Colors::clBlack);
    errorColours.setColor(QPalette::WindowText, Colors::clYellow);
    Label1->setPalette(errorColours);
    Label1->setAutoFillBackground(true);
    Label1->move(56, 146);
    Label1->hide();

    const std::array<QPushButton*, 3> buttons = {BitBtn1, BitBtn2, BitBtn3};
    const std::array<QIcon, 3> pictures = {ButtonPictures::confirm(), ButtonPictures::cancel(), ButtonPictures::help()};
    for (int i = 0; i < 3; ++i) {
        QPushButton* button = buttons[size_t(i)];
        button->setGeometry(304, 39 + 32 * i, 88, 25);
        button->setIcon(pictures[size_t(i)]);
        button->setAutoDefault(false);
    }
    BitBtn1->setDefault(true);

    Mostra->setCheckable(true);
    PopupMenu1->addAction(Mostra);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(mapToGlobal(at)); });
    connect(Mostra, &QAction::triggered, this, &Timmettedati::MostraClick);
    connect(BitBtn1, &QPushButton::clicked, this, &Timmettedati::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &Timmettedati::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &Timmettedati::BitBtn3Click);
    Help::setHelpContext(this, HelpContext);

    FormCreate();
}

void Timmettedati::FormCreate()
{
    setWindowTitle(app::titleText(app::Title::DataEntry));
    // The buttons show their word beside the picture, so they read clearly with hints off.
    const std::array<std::pair<QPushButton*, int>, 3> buttons = {
        {{BitBtn1, app::Common::Ok}, {BitBtn2, app::Common::Cancel}, {BitBtn3, app::Common::Help}}};
    for (const auto& [button, row] : buttons) {
        const QString text = app::commonText(row);
        Hints::setHint(button, text);
        button->setText(Hints::shortHint(text));
        button->setCursor(ScreenCursors::cursor(ScreenCursors::PointingHand));
    }
    Hints::setWindowHints(this, true);
    Mostra->setChecked(true);

    // The fields get the window's expressions; a field whose text changes is evaluated at once.
    connect(espra, &QLineEdit::textChanged, this, &Timmettedati::espraChange);
    connect(esprb, &QLineEdit::textChanged, this, &Timmettedati::esprbChange);
    connect(esprc, &QLineEdit::textChanged, this, &Timmettedati::esprcChange);
    const std::array<QString, 3> expressions = m_expressions;
    for (int i = 0; i < 3; ++i)
        m_fields[size_t(i)]->setText(expressions[size_t(i)]);

    if (QScreen* s = screen())
        move(s->geometry().center() - rect().center());
}

void Timmettedati::fieldChange(int field)
{
    Label1->hide();
    const QString text = m_fields[size_t(field)]->text();
    const app::Evaluation evaluation = text.isEmpty()
                                           ? app::Evaluation{false, 0.0L, app::EvaluatorMessages::EmptyText}
                                           : app::EvaluateExpression(text, calculatorState().AngleFactor);
    m_expressions[size_t(field)] = text;
    if (evaluation.ok)
        m_values[size_t(field)] = evaluation.value;
    m_valid[size_t(field)] = evaluation.ok;
    m_messages[size_t(field)] = evaluation.message;
}

void Timmettedati::espraChange()
{
    fieldChange(0);
}

void Timmettedati::esprbChange()
{
    fieldChange(1);
}

void Timmettedati::esprcChange()
{
    fieldChange(2);
}

void Timmettedati::BitBtn1Click()
{
    QString invalid;
    for (int i = 0; i < 3; ++i) {
        fieldChange(i);
        if (!m_valid[size_t(i)])
            invalid += QLatin1Char(FieldLetters[i]) + QStringLiteral("  ");
    }
    if (invalid.isEmpty()) {
        done(mrOk);
        return;
    }
    setResult(mrNone);
    Desktop::messageBeep();
    Label1->setText(QStringLiteral("Error in:  ") + invalid);
    Label1->adjustSize();
    Label1->show();
}

void Timmettedati::BitBtn2Click()
{
    done(mrCancel);
}

void Timmettedati::BitBtn3Click()
{
    Help::showContext(HelpContext);
}

void Timmettedati::MostraClick()
{
    const bool on = !Hints::windowHints(this);
    Hints::setWindowHints(this, on);
    Mostra->setChecked(on);
}

CoefficientDialogOutcome runCoefficientDialog(QWidget* owner, const std::array<QString, 3>& expressions)
{
    Timmettedati dialog(owner, expressions);
    for (const char* name : {"BitBtn1", "BitBtn2", "BitBtn3"})
        if (auto* button = dialog.findChild<QPushButton*>(QLatin1String(name)))
            button->setCursor(ScreenCursors::cursor(ScreenCursors::PointingHand));
    const bool confirmed = dialog.exec() == mrOk;
    CoefficientDialogOutcome outcome{dialog.expressions(), std::nullopt};
    if (confirmed)
        outcome.confirmed = dialog.values();
    return outcome;
}

}  // namespace app
