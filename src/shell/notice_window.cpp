#include "shell/notice_window.h"

#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "platform/cursors.h"
#include "platform/desktop.h"
#include "platform/fonts.h"
#include "shell/languages.h"
#include "texts/text_tables.h"

namespace app {

namespace {
QPixmap warningPicture()
{
    QImage image(34, 39, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(255, 255, 0));
    p.setPen(QPen(Qt::black, 2));
    p.drawPolygon(QPolygonF({QPointF(17, 4), QPointF(32, 34), QPointF(2, 34)}));
    p.setFont(Fonts::sansSerif(20, true));
    p.drawText(QRect(0, 10, 34, 26), Qt::AlignCenter, QStringLiteral("!"));
    return QPixmap::fromImage(image);
}

// The file name without its folders, whichever separator the path uses.
QString fileNameOnly(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}
}  // namespace

Tversione::Tversione(QWidget* owner, const QString& refusedFile)
    : Tversione(owner, app::commonText(app::Common::CannotOpenFile), fileNameOnly(refusedFile))
{
}

Tversione::Tversione(QWidget* owner, const QString& message, const QString& path)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint),
      m_message(message),
      m_name(path),
      Image1(new QLabel(this)),
      Label1(new QLabel(this)),
      Label2(new QLabel(this)),
      BitBtn1(new QPushButton(this))
{
    setObjectName("Tversione");
    Image1->setObjectName("Image1");
    Label1->setObjectName("Label1");
    Label2->setObjectName("Label2");
    BitBtn1->setObjectName("BitBtn1");
    setFixedSize(309, 134);
    setFont(Fonts::windowDefault());
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    silver.setColor(QPalette::WindowText, Qt::black);
    setPalette(silver);
    setAutoFillBackground(true);
    Image1->setGeometry(8, 8, 34, 39);
    Image1->setPixmap(warningPicture());
    // The message comes from the language in use and the name from the user's disk: plain text.
    for (QLabel* label : {Label1, Label2}) {
        label->setTextFormat(Qt::PlainText);
        label->setFont(Fonts::windowDefault(true));
    }
    BitBtn1->setText(QStringLiteral("OK"));
    BitBtn1->setGeometry(117, 96, 75, 25);
    BitBtn1->setDefault(true);
    BitBtn1->setCursor(ScreenCursors::cursor(ScreenCursors::PointingHand));
    connect(BitBtn1, &QPushButton::clicked, this, &Tversione::BitBtn1Click);
    FormCreate();
}

void Tversione::FormCreate()
{
    setWindowTitle(app::titleText(app::Title::Program));
    Label1->setText(m_message);
    // A long path keeps its start and its end.
    Label2->setText(Label2->fontMetrics().elidedText(m_name, Qt::ElideMiddle, width() - 16));
    Label1->adjustSize();
    Label2->adjustSize();
    Label1->move((width() - Label1->width()) / 2, 32);
    Label2->move((width() - Label2->width()) / 2, 58);
    if (QScreen* s = screen())
        move(s->geometry().center() - rect().center());
}

void Tversione::BitBtn1Click()
{
    done(1);
}

void Tversione::mousePressEvent(QMouseEvent* event)
{
    Desktop::messageBeep();
    QDialog::mousePressEvent(event);
}

}  // namespace app
