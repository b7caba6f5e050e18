#include "shell/about_window.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include "platform/cursors.h"
#include "platform/desktop.h"
#include "platform/fonts.h"
#include "shell/command_line.h"
#include "shell/language_file.h"
#include "shell/languages.h"
#include "shell/shared_state.h"
#include "texts/text_tables.h"

namespace app {

namespace {

QPixmap programPicture(int size)
{
    // The program icon: a unit circle with an angle and its sine.
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    p.setBrush(Qt::black);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0, 0, s, s), s / 8, s / 8);
    const QPointF c(s / 2, s / 2);
    const qreal r = s * 0.36;
    p.setPen(QPen(QColor(128, 128, 128), s / 32));
    p.drawLine(QPointF(s * 0.08, c.y()), QPointF(s * 0.92, c.y()));
    p.drawLine(QPointF(c.x(), s * 0.08), QPointF(c.x(), s * 0.92));
    p.setPen(QPen(Qt::white, s / 24));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    const QPointF tip(c.x() + r * 0.8, c.y() - r * 0.6);
    p.drawLine(c, tip);
    p.setPen(QPen(QColor(0, 255, 0), s / 12));
    p.drawLine(QPointF(tip.x(), c.y()), tip);
    p.setPen(QPen(QColor(0, 255, 255), s / 24));
    p.drawArc(QRectF(c.x() - r / 2, c.y() - r / 2, r, r), 0, int(36.87 * 16));
    return QPixmap::fromImage(image);
}

void centreIn(QLabel* label, const QWidget* panel)
{
    label->adjustSize();
    label->move((panel->width() - label->width()) / 2, label->y());
}

}  // namespace

Tinfo::Tinfo(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint),
      Panel1(new QFrame(this)),
      ProgramIcon(new QLabel(Panel1)),
      ProductName(new QLabel(Panel1)),
      Version(new QLabel(Panel1)),
      Label2(new QLabel(Panel1)),
      SpeedButton1(new QToolButton(Panel1)),
      Memo1(new QPlainTextEdit(this)),
      Panel2(new QFrame(this)),
      Label1(new QLabel(Panel2)),
      Label3(new QLabel(Panel2)),
      Label4(new QLabel(Panel2)),
      BitBtn1(new QPushButton(this))
{
    setObjectName("Tinfo");
    Panel1->setObjectName("Panel1");
    ProgramIcon->setObjectName("ProgramIcon");
    ProductName->setObjectName("ProductName");
    Version->setObjectName("Version");
    Label2->setObjectName("Label2");
    SpeedButton1->setObjectName("SpeedButton1");
    Memo1->setObjectName("Memo1");
    Panel2->setObjectName("Panel2");
    Label1->setObjectName("Label1");
    Label3->setObjectName("Label3");
    Label4->setObjectName("Label4");
    BitBtn1->setObjectName("BitBtn1");
    // Every text may come from a language file: plain text only.
    for (QLabel* label : {ProductName, Version, Label2, Label1, Label3, Label4})
        label->setTextFormat(Qt::PlainText);

    setFixedSize(413, 318);
    setFont(Fonts::windowDefault());
    QPalette olive = palette();
    olive.setColor(QPalette::Window, QColor(128, 128, 0));
    setPalette(olive);
    setAutoFillBackground(true);

    Panel1->setGeometry(8, 8, 397, 92);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    QPalette silver = Panel1->palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    silver.setColor(QPalette::WindowText, Qt::black);
    Panel1->setPalette(silver);
    Panel1->setAutoFillBackground(true);
    ProgramIcon->setGeometry(10, 10, 32, 32);
    ProgramIcon->setPixmap(programPicture(32));
    ProductName->setFont(Fonts::sansSerif(16, true));
    ProductName->move(0, 10);
    Version->setFont(Fonts::windowDefault(false));
    QFont italic = Fonts::windowDefault();
    italic.setItalic(true);
    Version->setFont(italic);
    Version->setText(QStringLiteral("by the %1 authors - version 1.0").arg(QLatin1String(app::ProgramName)));
    Version->move(0, 38);
    Label2->move(0, 62);
    SpeedButton1->setGeometry(355, 10, 32, 32);
    SpeedButton1->setIcon(QIcon(programPicture(24)));
    SpeedButton1->setIconSize(QSize(24, 24));
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setEnabled(false);

    Memo1->setGeometry(8, 106, 397, 118);
    Memo1->setReadOnly(true);
    Memo1->setFont(Fonts::windowDefault(true));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPalette memo = Memo1->palette();
    memo.setColor(QPalette::Base, QColor(192, 192, 192));
    memo.setColor(QPalette::Text, Qt::black);
    Memo1->setPalette(memo);

    Panel2->setGeometry(8, 230, 397, 52);
    Panel2->setFrameShape(QFrame::Panel);
    Panel2->setFrameShadow(QFrame::Sunken);
    QPalette blueText = silver;
    blueText.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Panel2->setPalette(blueText);
    Panel2->setAutoFillBackground(true);
    Panel2->setFont(Fonts::windowDefault(true));
    Label1->move(8, 3);
    Label3->move(0, 18);
    Label3->setFont(Fonts::windowDefault(true));
    Label3->setCursor(Qt::PointingHandCursor);
    Label4->move(0, 34);

    BitBtn1->setText(QStringLiteral("OK"));
    BitBtn1->setGeometry(169, 288, 75, 25);
    BitBtn1->setDefault(true);
    BitBtn1->setCursor(ScreenCursors::cursor(ScreenCursors::PointingHand));
    Label1->setCursor(ScreenCursors::cursor(ScreenCursors::PointingHand));
    connect(BitBtn1, &QPushButton::clicked, this, &Tinfo::BitBtn1Click);

    setMouseTracking(true);
    for (QWidget* w : {static_cast<QWidget*>(Panel1), static_cast<QWidget*>(Panel2), Memo1->viewport(),
                       static_cast<QWidget*>(Memo1), static_cast<QWidget*>(BitBtn1), static_cast<QWidget*>(Label3)}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    FormCreate();
}

void Tinfo::FormCreate()
{
    // The memo starts with the Italian text; the language in use replaces the lines it has.
    QStringList lines;
    for (int row = 0; row < app::AboutTextRows; ++row)
        lines.append(app::AboutTexts.text(row, app::Italian));
    const int language = app::CurrentLanguage;
    if (language <= app::French) {
        for (int row = 0; row < app::AboutTextRows && row < lines.size(); ++row)
            lines[row] = app::AboutTexts.text(row, language);
    } else {
        for (int row = 0; row <= 80 && row < lines.size() && row < app::LanguageLines.size(); ++row)
            lines[row] = app::languageLineText(app::LanguageLines[row]);
    }
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));

    ProductName->setText(app::titleText(app::Title::ProgramSpaced));
    Label1->setText(app::titleText(app::Title::VisitSite));
    Label2->setText(app::commonText(app::Common::TranslatorCredit));
    Label3->setText(app::titleText(app::Title::SiteName));
    Label4->setText(app::titleText(app::Title::SiteDescription));
    Label1->adjustSize();
    for (QLabel* label : {ProductName, Version, Label2})
        centreIn(label, Panel1);
    for (QLabel* label : {Label3, Label4})
        centreIn(label, Panel2);
    if (QScreen* s = screen())
        move(s->geometry().center() - rect().center());
}

void Tinfo::setLinkHovered(bool hovered)
{
    QFont font = Label3->font();
    font.setBold(true);
    font.setUnderline(hovered);
    Label3->setFont(font);
}

void Tinfo::Label3Click()
{
    done(1);
    Desktop::openUrl(QString::fromLatin1(app::MakerSite));
    // The window that opened it (the main window) steps aside for the browser.
    if (QWidget* owner = parentWidget())
        owner->window()->showMinimized();
}

void Tinfo::BitBtn1Click()
{
    done(1);
}

bool Tinfo::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        setLinkHovered(watched == Label3);
        return watched == Label3;  // the panel under the link must not undo the effect
    } else if (event->type() == QEvent::MouseButtonPress) {
        if (watched == Label3) {
            Label3Click();
            return true;
        }
        if (watched == Panel1 || watched == Panel2 || watched == Memo1 || watched == Memo1->viewport()) {
            Desktop::messageBeep();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Tinfo::mousePressEvent(QMouseEvent* event)
{
    Desktop::messageBeep();
    QDialog::mousePressEvent(event);
}

void Tinfo::mouseMoveEvent(QMouseEvent* event)
{
    setLinkHovered(false);
    QDialog::mouseMoveEvent(event);
}

}  // namespace app
