#include "platform/cursors.h"

#include <QMap>
#include <QPixmap>

namespace ScreenCursors {
namespace {
QMap<int, QCursor>& registry()
{
    static QMap<int, QCursor> cursors;
    return cursors;
}
}  // namespace

void registerCursor(int number, const QCursor& cursor)
{
    registry().insert(number, cursor);
}

QCursor cursor(int number)
{
    return registry().value(number, QCursor(Qt::ArrowCursor));
}

void registerPointingHand()
{
    if (registry().contains(PointingHand))
        return;
    const QPixmap picture(QStringLiteral(":/pictures/destra.png"));
    if (picture.isNull())
        registerCursor(PointingHand, QCursor(Qt::PointingHandCursor));
    else
        registerCursor(PointingHand, QCursor(picture, 30, 10));  // the finger tip
}

}  // namespace ScreenCursors
