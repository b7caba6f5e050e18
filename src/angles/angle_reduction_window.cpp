#include "angles/angle_reduction_window.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include "angles/angle_texts.h"
#include "platform/colors.h"
#include "platform/updown.h"
#include "texts/text_tables.h"

namespace angles {

namespace {

constexpr int Panel1Height = 25;

const angles::AngleWindowDesign Design{.controlBarName = "barrasotto",
                                      .titleRow = app::Title::AngleReduction,
                                      .quadranteWidth = 175,
                                      .symbolFont = false,
                                      .angoloWidth = 29,
                                      .minimum = angles::ReductionMinimum,
                                      .maximum = angles::ReductionMaximum,
                                      .position = angles::ReductionStart,
                                      .axisDivisor = 8,
                                      .mostraCaption = "&mostra suggerimenti"};

}  // namespace

Triduci::Triduci(const app::TopicWindow& topic) : AngleWindow(topic, Design)
{
    Panel1 = new QFrame(client());
    Panel1->setObjectName("Panel1");
    Panel1->setFrameStyle(QFrame::NoFrame);
    QPalette black = Panel1->palette();
    black.setColor(QPalette::Window, Colors::clBlack);
    Panel1->setPalette(black);
    Panel1->setAutoFillBackground(true);
    Label3 = makeBevel1Label("Label3");
    Label3->hide();
    quadrante->addItems({QStringLiteral("1° quadrante"), QStringLiteral("1° ottante")});
}

void Triduci::FormCreate()
{
    createLayout(3, 7);
    placeInBevel1(Label3, 5, 7);
    Panel1->setGeometry(0, controlBar->geometry().bottom() + 1, clientWidth() / 2, Panel1Height);

    quadrante->setItemText(0, app::commonText(app::Common::FirstQuadrant));
    quadrante->setItemText(1, app::commonText(app::Common::FirstOctant));
    quadrante->setCurrentIndex(0);
    alfa = pangolo->position();
    Label1->setText(angles::alfaText(alfa));
    // The left sides of the identities for the angle shown, in the language in use.
    const angles::IdentityLabels sides = angles::leftSides(angolo->text(), sineName());
    Label4->setText(sides.sine);
    Label5->setText(sides.cosine);
    Label6->setText(sides.tangent);
    Label2->setText(angles::reducedAngleText(angles::reduceAngle(alfa, false).quadrantAngle,
                                             quadrante->itemText(0)));
    DrawAnglePending = true;
}

void Triduci::FormPaint()
{
    formactivate();
}

void Triduci::formactivate()
{
    drawBackground();
}

void Triduci::DrawAngleParts(int degrees, const QColor& cosineColour, const QColor& sineColour, int penWidth)
{
    drawAngles({{degrees, angles::AngleStyle{cosineColour, sineColour, penWidth, 0}}});
}

void Triduci::tracciaClick()
{
    alfa = pangolo->position();
    if (DrawAnglePending) {
        pangolo->setEnabled(false);
        quadrante->setEnabled(false);
        Label1->setText(QStringLiteral("alfa = ") + angolo->text() + QStringLiteral("°"));
        const angles::IdentityLabels sides = angles::leftSides(angolo->text(), sineName());
        Label4->setText(sides.sine);
        Label5->setText(sides.cosine);
        Label6->setText(sides.tangent);
        redrawCircle();
        DrawAngleParts(alfa, Colors::clWhite, Colors::clYellow, 2);
        DrawAnglePending = false;
        return;
    }

    pangolo->setEnabled(true);
    quadrante->setEnabled(true);
    const bool octant = quadrante->currentIndex() == 1;
    const angles::ReductionTexts texts =
        angles::reductionTexts(alfa, octant, sineName(), quadrante->itemText(0), quadrante->itemText(1));
    Label2->setText(texts.label2);
    Label3->setText(texts.label3);
    Label3->setVisible(texts.label3Shown);
    Label4->setText(texts.label4);
    Label5->setText(texts.label5);
    Label6->setText(texts.label6);
    alfa = angles::reduceAngle(alfa, octant).reducedAngle;
    DrawAngleParts(alfa, Colors::clRed, Colors::clFuchsia, 1);
    DrawAnglePending = true;
}

}  // namespace angles
