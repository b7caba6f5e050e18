#include "expr/calculator.h"

#include <QButtonGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <cmath>

#include "expr/button_pictures.h"
#include "expr/number_format.h"
#include "expr/typed_expression.h"
#include "platform/accessibility.h"
#include "platform/colors.h"
#include "platform/desktop.h"
#include "platform/fonts.h"
#include "platform/help.h"
#include "platform/symbol_font.h"
#include "shell/program_texts.h"
#include "texts/text_tables.h"

namespace app {

namespace {

constexpr int HelpContext = 101;

// Keypad geometry: five columns, eight rows.
constexpr int KeyLeft = 8;
constexpr int KeyTop = 100;
constexpr int KeyWidth = 49;
constexpr int KeyHeight = 28;
constexpr int ColumnPitch = 54;
constexpr int RowPitch = 33;

struct KeyLayout {
    const char* name;
    const char* caption;  // empty for the keys that show a picture
    const char* append;   // the text the key appends, or null for the keys that act
    int column;
    int row;
    int span;
};

const KeyLayout Keys[] = {
    {"Button25", "sin", "sin", 0, 0, 1},      {"Button26", "cos", "cos", 1, 0, 1},
    {"Button16", "arcsin", "arcsin", 2, 0, 1}, {"Button30", "arccos", "arccos", 3, 0, 1},
    {"Button31", "arctan", "arctan", 4, 0, 1}, {"Button23", "log", "log", 0, 1, 1},
    {"Button24", "ln", "ln", 1, 1, 1},         {"Button27", "exp", "exp", 2, 1, 1},
    {"Button29", "abs", "abs", 3, 1, 1},       {"BitBtn1", "", "sqrt", 4, 1, 1},
    {"Button19", "", "pi", 0, 2, 1},           {"Button28", "e", "e", 1, 2, 1},
    {"Button22", "^", "^", 2, 2, 1},           {"Button20", "(", "(", 3, 2, 1},
    {"Button21", ")", ")", 4, 2, 1},           {"Button8", "7", "7", 0, 3, 1},
    {"Button9", "8", "8", 1, 3, 1},            {"Button10", "9", "9", 2, 3, 1},
    {"Button11", "\xC3\xB7", "/", 3, 3, 1},    {"BitBtn2", "", nullptr, 4, 3, 1},
    {"Button5", "4", "4", 0, 4, 1},            {"Button6", "5", "5", 1, 4, 1},
    {"Button7", "6", "6", 2, 4, 1},            {"Button12", "\xC3\x97", "*", 3, 4, 1},
    {"Button18", "C", nullptr, 4, 4, 1},       {"Button2", "1", "1", 0, 5, 1},
    {"Button3", "2", "2", 1, 5, 1},            {"Button4", "3", "3", 2, 5, 1},
    {"Button13", "-", "-", 3, 5, 1},           {"Button33", "M+", nullptr, 4, 5, 1},
    {"Button1", "0", "0", 0, 6, 1},            {"Button17", ".", ".", 1, 6, 1},
    {"Button15", "=", nullptr, 2, 6, 1},       {"Button14", "+", "+", 3, 6, 1},
    {"Button34", "M-", nullptr, 4, 6, 1},      {"BitBtn3", "?", nullptr, 0, 7, 1},
    {"OKBtn", "Off", nullptr, 1, 7, 3},        {"Button35", "CM", nullptr, 4, 7, 1},
};

QString numberText(long double v)
{
    return QString::fromStdString(calculatorNumberText(v));
}

void setColours(QWidget* widget, QPalette::ColorRole background, const QColor& back, QPalette::ColorRole text,
                const QColor& fore)
{
    QPalette palette = widget->palette();
    palette.setColor(background, back);
    palette.setColor(text, fore);
    widget->setPalette(palette);
}

}  // namespace

CalculatorState& calculatorState()
{
    static CalculatorState state;
    return state;
}

TCalcola::TCalcola(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      nome(new QLineEdit(this)),
      erisultato(new QLineEdit(this)),
      risulta(new QLabel(this)),
      Label1(new QLabel(this)),
      gradi(new QToolButton(this)),
      SpeedButton2(new QToolButton(this)),
      unitGroup(new QButtonGroup(this)),
      OKBtn(nullptr)
{
    setObjectName(QStringLiteral("TCalcola"));
    nome->setObjectName(QStringLiteral("nome"));
    erisultato->setObjectName(QStringLiteral("erisultato"));
    risulta->setObjectName(QStringLiteral("risulta"));
    Label1->setObjectName(QStringLiteral("Label1"));
    gradi->setObjectName(QStringLiteral("gradi"));
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));

    setFixedSize(281, 404);
    setFont(Fonts::windowDefault());
    setColours(this, QPalette::Window, Colors::clSilver, QPalette::WindowText, Colors::clBlack);
    setAutoFillBackground(true);
    Help::setHelpContext(this, HelpContext);

    nome->setGeometry(8, 8, 265, 26);
    nome->setFont(Fonts::sansSerif(14, true));
    nome->installEventFilter(this);

    erisultato->setGeometry(8, 40, 265, 26);
    erisultato->setReadOnly(true);
    erisultato->setFocusPolicy(Qt::NoFocus);
    erisultato->setFont(Fonts::sansSerif(13, true));
    setColours(erisultato, QPalette::Base, Colors::clBlack, QPalette::Text, Colors::clWhite);

    risulta->setTextFormat(Qt::PlainText);
    Label1->setTextFormat(Qt::PlainText);
    risulta->setGeometry(8, 72, 160, 22);
    risulta->setFont(Fonts::sansSerif(13, true));
    setColours(risulta, QPalette::Window, Colors::clSilver, QPalette::WindowText, Colors::clBlue);

    // The two unit buttons: exactly one is down.
    gradi->setGeometry(KeyLeft + 3 * ColumnPitch, 70, KeyWidth, 26);
    gradi->setText(platform::symbolFontText(QStringLiteral("a")) + QChar(0x00B0));
    gradi->setFont(Fonts::symbol(14, true));
    SpeedButton2->setGeometry(KeyLeft + 4 * ColumnPitch, 70, KeyWidth, 26);
    SpeedButton2->setIcon(ButtonPictures::radians());
    SpeedButton2->setIconSize(QSize(26, 16));
    for (QToolButton* unit : {gradi, SpeedButton2}) {
        unit->setCheckable(true);
        unit->setFocusPolicy(Qt::NoFocus);
        unitGroup->addButton(unit);
        connect(unit, &QToolButton::clicked, this, &TCalcola::gradiClick);
    }
    unitGroup->setExclusive(true);
    gradi->setChecked(true);

    const QFont keyFont = Fonts::sansSerif(13, true);
    for (const KeyLayout& key : Keys) {
        auto* button = new QPushButton(this);
        const QString name = QLatin1String(key.name);
        button->setObjectName(name);
        button->setGeometry(KeyLeft + key.column * ColumnPitch, KeyTop + key.row * RowPitch,
                            key.span * KeyWidth + (key.span - 1) * (ColumnPitch - KeyWidth), KeyHeight);
        button->setFont(keyFont);
        button->setText(QString::fromUtf8(key.caption));
        // The keys leave the focus in the expression field, so Enter always means "Off".
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        m_keys.insert(name, button);
        if (name == QLatin1String("OKBtn")) {
            OKBtn = button;
            connect(button, &QPushButton::clicked, this, &TCalcola::OKBtnClick);
        } else if (name == QLatin1String("BitBtn3")) {
            connect(button, &QPushButton::clicked, this, &TCalcola::BitBtn3Click);
        } else {
            connect(button, &QPushButton::clicked, this, [this, button] { Button1Click(button); });
        }
    }
    OKBtn->setDefault(true);
    m_keys.value(QStringLiteral("Button19"))->setText(platform::symbolFontText(QStringLiteral("p")));
    m_keys.value(QStringLiteral("Button19"))->setFont(Fonts::symbol(15, true));
    m_keys.value(QStringLiteral("BitBtn1"))->setIcon(ButtonPictures::squareRoot());
    m_keys.value(QStringLiteral("BitBtn1"))->setIconSize(QSize(28, 18));
    m_keys.value(QStringLiteral("BitBtn2"))->setIcon(ButtonPictures::backspace());
    m_keys.value(QStringLiteral("BitBtn2"))->setIconSize(QSize(24, 16));
    // Screen readers: the fields and the buttons that show a picture or a symbol say what they are.
    using app::programText;
    using app::ProgramText;
    const std::pair<QWidget*, ProgramText> named[] = {
        {nome, ProgramText::Expression},  {erisultato, ProgramText::Result},
        {gradi, ProgramText::Degrees},    {SpeedButton2, ProgramText::Radians},
        {m_keys.value(QStringLiteral("BitBtn1")), ProgramText::SquareRoot},
        {m_keys.value(QStringLiteral("BitBtn2")), ProgramText::DeleteLast}};
    for (const auto& [widget, text] : named)
        Accessibility::setTexts(widget, programText(text), programText(text));
    for (const char* small : {"Button16", "Button30", "Button31"})
        m_keys.value(QLatin1String(small))->setFont(Fonts::sansSerif(11, true));

    Label1->setGeometry(8, 368, 265, 26);
    Label1->setFont(Fonts::sansSerif(13, true));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1->setContentsMargins(6, 0, 6, 0);
    setColours(Label1, QPalette::Window, Colors::clNavy, QPalette::WindowText, Colors::clWhite);
    Label1->setAutoFillBackground(true);

    FormCreate();
}

void TCalcola::FormCreate()
{
    setWindowTitle(app::titleText(app::Title::Calculator));
    risulta->setText(app::commonText(app::Common::Degrees));
    // The memory lasts while the program runs: a reopened calculator shows what it holds.
    if (calculatorState().memory != 0.0L)
        showMemory();
    if (QScreen* s = screen())
        move(s->geometry().center() - rect().center());
    nome->setFocus();
}

bool TCalcola::event(QEvent* event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return handled;
}

bool TCalcola::eventFilter(QObject* watched, QEvent* event)
{
    // A typed "=" evaluates, as the "=" key does.
    if (watched == nome && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->text() == QLatin1String("=")) {
        equalsKey();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TCalcola::FormActivate()
{
    nome->setFocus();
    // Back to degrees; the degree button goes down too, so the buttons never contradict the label.
    gradi->setChecked(true);
    risulta->setText(app::commonText(app::Common::Degrees));
    calculatorState().AngleFactor = app::DegreesAngleFactor;
}

void TCalcola::gradiClick()
{
    if (gradi->isChecked()) {
        calculatorState().AngleFactor = app::DegreesAngleFactor;
        risulta->setText(app::commonText(app::Common::Degrees));
    } else {
        calculatorState().AngleFactor = app::RadiansAngleFactor;
        risulta->setText(app::commonText(app::Common::Radians));
    }
}

void TCalcola::Button1Click(QAbstractButton* button)
{
    const QString name = button->objectName();
    CalculatorState& state = calculatorState();
    for (const KeyLayout& key : Keys) {
        if (key.append && name == QLatin1String(key.name)) {
            nome->setText(nome->text() + QLatin1String(key.append));
            nome->setFocus();
            return;
        }
    }
    if (name == QLatin1String("BitBtn2")) {
        nome->setText(nome->text().chopped(nome->text().isEmpty() ? 0 : 1));
    } else if (name == QLatin1String("Button18")) {
        nome->clear();
        erisultato->clear();
    } else if (name == QLatin1String("Button15")) {
        equalsKey();
    } else if (name == QLatin1String("Button33") || name == QLatin1String("Button34")) {
        if (state.lastSucceeded) {
            const long double sum = name == QLatin1String("Button33") ? state.memory + state.lastResult
                                                                       : state.memory - state.lastResult;
            if (std::isfinite(sum)) {
                state.memory = sum;
                showMemory();
            } else {
                Desktop::messageBeep();
                erisultato->setText(QLatin1String(app::EvaluatorMessages::Overflow));
                erisultato->setCursorPosition(0);
            }
        }
    } else if (name == QLatin1String("Button35")) {
        state.memory = 0.0L;
        Label1->clear();
    }
    nome->setFocus();
}

void TCalcola::equalsKey()
{
    // The field shows the expression followed by "="; what is evaluated is what came before it.
    const QString text = nome->text();
    nome->setText(text + QLatin1Char('='));
    evaluate(text);
}

void TCalcola::evaluate(const QString& text)
{
    CalculatorState& state = calculatorState();
    if (text.isEmpty()) {
        state.lastSucceeded = false;
        erisultato->clear();
        return;
    }
    const app::Evaluation evaluation = app::EvaluateExpression(text, state.AngleFactor);
    if (!evaluation.ok) {
        state.lastSucceeded = false;
        Desktop::messageBeep();
        Label1->setVisible(true);
        erisultato->setText(app::evaluatorMessageText(evaluation));
    } else {
        state.lastResult = evaluation.value;
        state.lastSucceeded = true;
        erisultato->setText(numberText(evaluation.value));
    }
    erisultato->setCursorPosition(0);
}

void TCalcola::showMemory()
{
    Label1->setText(numberText(calculatorState().memory));
}

void TCalcola::BitBtn3Click()
{
    Help::showContext(HelpContext);
    nome->setFocus();
}

void TCalcola::OKBtnClick()
{
    accept();
}

}  // namespace app
