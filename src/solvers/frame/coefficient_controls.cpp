#include "solvers/frame/coefficient_controls.h"

#include <QLineEdit>
#include <QPalette>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "expr/coefficient_dialog.h"
#include "expr/typed_expression.h"
#include "platform/accessibility.h"
#include "platform/colors.h"
#include "platform/cursors.h"
#include "platform/fonts.h"
#include "platform/hints.h"
#include "platform/keyboard.h"
#include "platform/updown.h"
#include "shell/image_list.h"
#include "shell/program_texts.h"
#include "texts/text_tables.h"
#include "texts/angle_notation.h"

namespace solvers {

namespace {

QLineEdit* makeBox(const char* name, int width)
{
    auto* box = new QLineEdit();
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setFixedWidth(width);
    box->setFont(Fonts::sansSerif(11, true));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, Colors::clBlack);
    palette.setColor(QPalette::Text, Colors::clWhite);
    box->setPalette(palette);
    Hints::setHint(box, QString::fromLatin1(name));
    const QString coefficient = app::programText(app::ProgramText::CoefficientBox).arg(QLatin1String(name));
    Accessibility::setTexts(box, coefficient, coefficient);
    return box;
}

platform::UpDown* makeUpDown(const char* name)
{
    auto* upDown = new platform::UpDown();
    upDown->setObjectName(QString::fromLatin1(name));
    upDown->setWrap(false);
    upDown->setCursor(ScreenCursors::cursor(ScreenCursors::PointingHand));
    const QString letter(QChar::fromLatin1(name[1]));
    Hints::setHint(upDown, letter);
    Accessibility::setTexts(upDown, app::programText(app::ProgramText::CoefficientUpDown).arg(letter),
                            app::programText(app::ProgramText::CoefficientBox).arg(letter));
    return upDown;
}

}  // namespace

CoefficientControls::CoefficientControls(QWidget* window, const CoefficientSetup& setup)
    : QObject(window), m_setup(setup), m_window(window)
{
    ToolBar3 = new QToolBar(window);
    ToolBar3->setObjectName("ToolBar3");
    ToolBar3->setIconSize(QSize(16, 16));
    ToolBar3->setMovable(false);
    ToolBar3->setFloatable(false);

    a = makeBox("a", setup.boxWidth);
    b = makeBox("b", setup.boxWidth);
    c = makeBox("c", setup.boxWidth);
    pa = makeUpDown("pa");
    pb = makeUpDown("pb");
    pc = makeUpDown("pc");
    dati = new QToolButton();
    dati->setObjectName("dati");
    dati->setIcon(app::ImageList::mainList().icon(app::ImageList::DataEntry));
    dati->setAutoRaise(true);
    Keyboard::makeReachable(dati);
    dati->setCursor(ScreenCursors::cursor(ScreenCursors::PointingHand));

    ToolBar3->addWidget(a);
    ToolBar3->addWidget(pa);
    ToolBar3->addSeparator();
    ToolBar3->addWidget(b);
    ToolBar3->addWidget(pb);
    ToolBar3->addSeparator();
    ToolBar3->addWidget(c);
    ToolBar3->addWidget(pc);
    ToolBar3->addSeparator();
    ToolBar3->addWidget(dati);

    for (int i = 0; i < 3; ++i) {
        platform::UpDown* upDown = this->upDown(i);
        upDown->setBuddy(box(i));
        connect(upDown, &platform::UpDown::clicked, this, [this, i] { stepped(i); });
        connect(upDown, &platform::UpDown::mouseUp, this, [this] { paMouseUp(); });
    }
    connect(dati, &QToolButton::clicked, this, [this] { datiClick(); });
}

platform::UpDown* CoefficientControls::upDown(int index) const
{
    return index == 0 ? pa : index == 1 ? pb : pc;
}

QLineEdit* CoefficientControls::box(int index) const
{
    return index == 0 ? a : index == 1 ? b : c;
}

void CoefficientControls::start()
{
    Hints::setHint(dati, app::commonText(app::Common::DataEnter));
    for (int i = 0; i < 3; ++i) {
        platform::UpDown* upDown = this->upDown(i);
        upDown->setRange(-m_setup.limit, m_setup.limit);
        upDown->setPosition(m_setup.positions[size_t(i)]);
        upDown->setIncrement(1);
        m_values[size_t(i)] = upDown->position() / 100.0L;
        show(i);
    }
    m_expressions = m_setup.expressions;
    StepPressCount = 0;
}

void CoefficientControls::setValues(const std::array<long double, 3>& values)
{
    for (int i = 0; i < 3; ++i) {
        long double value = values[size_t(i)];
        if (!std::isfinite(value))
            continue;
        m_values[size_t(i)] = value;
        // nearest() holds far values at the int range; the range then clamps the position.
        upDown(i)->setPosition(std::clamp(nearest(100.0L * value), -m_setup.limit, m_setup.limit));
        show(i);
    }
}

void CoefficientControls::stepped(int index)
{
    platform::UpDown* upDown = this->upDown(index);
    m_values[size_t(index)] = upDown->position() / 100.0L;
    ++StepPressCount;
    for (const auto& [count, increment] : m_setup.acceleration)
        if (StepPressCount >= count)
            upDown->setIncrement(increment);
    show(index);
    emit changed();
}

void CoefficientControls::paMouseUp()
{
    StepPressCount = 0;
    for (int i = 0; i < 3; ++i)
        upDown(i)->setIncrement(1);
}

bool CoefficientControls::datiClick()
{
    const app::CoefficientDialogOutcome outcome = app::runCoefficientDialog(m_window, m_expressions);
    // Texts typed and then cancelled still come back the next time the dialog opens here.
    m_expressions = outcome.expressions;
    if (!outcome.confirmed)
        return false;
    setValues(*outcome.confirmed);
    emit changed();
    return true;
}

app::SumTerm CoefficientControls::term(int index) const
{
    const long double value = m_values[size_t(index)];
    bool exact = false;
    const app::SumTerm decimal{value < 0, value == 0 ? QString() : app::decimalMagnitude(value, &exact), QString()};
    const QString& expression = m_expressions[size_t(index)];
    if (value == 0 || expression.trimmed().isEmpty())
        return decimal;
    // The typed text stands for the value only while the window still solves with it (a step
    // since replaced it).
    const app::Evaluation typed = app::EvaluateExpression(expression, app::DegreesAngleFactor);
    if (!typed.ok || std::fabs(typed.value - value) > 1e-12L * std::max(1.0L, std::fabs(value)))
        return decimal;
    const app::SumTerm written = app::typedTerm(expression);
    if (written.magnitude.isEmpty() || written.negative != (value < 0))
        return decimal;
    return !exact || written.magnitude.size() < decimal.magnitude.size() ? written : decimal;
}

void CoefficientControls::show(int index)
{
    box(index)->setText(CoefficientBoxText(m_values[size_t(index)]));
}

}  // namespace solvers
