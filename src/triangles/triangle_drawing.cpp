#include "triangles/triangle_drawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "maths/angles.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/pens.h"

using platform::picturePen;

namespace triangles {

namespace {

// The three vertices in the order of placement: the vertex at the origin, the one on the x axis,
// the third.
std::array<int, 3> placement(const Solution& s)
{
    if (s.kind == Case::SSA) {
        const int X = s.used[1] - 3, y = s.used[2];
        return {X, y, 3 - X - y};  // vertex Y faces the side y
    }
    return {0, 1, 2};
}

double angleOf(QPointF from, QPointF to)
{
    // Degrees counterclockwise as the screen shows them (y down).
    return double(std::atan2(-(to.y() - from.y()), to.x() - from.x()) * 180 / Pi);
}

QPointF unit(QPointF v)
{
    const double length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : QPointF(0, 0);
}

QString shortNumber(double v) { return QString::number(v, 'g', 4); }
QString shortAngle(double v) { return QString::number(std::round(v * 10) / 10) + QStringLiteral("°"); }

void label(QPainter& painter, QPointF centre, const QString& text)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QRectF box(centre.x() - metrics.horizontalAdvance(text) / 2 - 2, centre.y() - metrics.height() / 2,
                     metrics.horizontalAdvance(text) + 4, metrics.height());
    painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, text);
}

}  // namespace

std::array<QPointF, 3> modelVertices(const Solution& s, int index)
{
    const Parts& p = s.triangles[index].parts;
    const auto [X, Y, Z] = placement(s);
    std::array<QPointF, 3> v;
    v[X] = QPointF(0, 0);
    v[Y] = QPointF(p[Z], 0);  // the side XY faces Z
    const double angle = double(radians(p[X + 3]));
    v[Z] = QPointF(p[Y] * std::cos(angle), p[Y] * std::sin(angle));
    return v;
}

void drawTriangles(QPainter& painter, const QRect& area, const Solution& s, const QString& sentence)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    QFont font = Fonts::pictureText(true);
    painter.setFont(font);
    if (s.count == 0) {
        painter.setPen(picturePen(Colors::clWhite));
        painter.drawText(area.adjusted(30, 30, -30, -30), Qt::AlignCenter | Qt::TextWordWrap, sentence);
        painter.restore();
        return;
    }
    // Fit every vertex into the area with a margin for the labels.
    std::array<std::array<QPointF, 3>, 2> model;
    double left = 0, right = 0, bottom = 0, top = 0;  // the first vertex lies at the origin
    for (int k = 0; k < s.count; ++k) {
        model[k] = modelVertices(s, k);
        for (const QPointF& point : model[k]) {
            left = std::min(left, point.x());
            right = std::max(right, point.x());
            bottom = std::min(bottom, point.y());
            top = std::max(top, point.y());
        }
    }
    const QRectF box(QPointF(left, bottom), QPointF(right, top));
    const QRectF room = QRectF(area).adjusted(48, 40, -48, -40);
    const double scale = std::min(room.width() / std::max(box.width(), 1e-300), room.height() / std::max(box.height(), 1e-300));
    const QPointF origin(room.center().x() - box.center().x() * scale, room.center().y() + box.center().y() * scale);
    const auto screen = [&](QPointF m) { return QPointF(origin.x() + m.x() * scale, origin.y() - m.y() * scale); };

    const QColor colours[2] = {Colors::clYellow, Colors::clAqua};
    const Qt::PenStyle styles[2] = {Qt::SolidLine, Qt::DashLine};
    std::array<std::array<QPointF, 3>, 2> shown;
    for (int k = 0; k < s.count; ++k)
        for (int i = 0; i < 3; ++i)
            shown[k][i] = screen(model[k][i]);

    // The ambiguous case: the arc of radius x around the shared vertex Z, which meets the line of
    // the side z at both triangles' vertex Y.
    if (s.count == 2) {
        const auto [X, Y, Z] = placement(s);
        (void)X;
        const QPointF centre = shown[0][Z];
        const double radius = s.triangles[0].parts[s.used[0]] * scale;
        double a1 = angleOf(centre, shown[0][Y]), a2 = angleOf(centre, shown[1][Y]);
        if (a2 < a1) std::swap(a1, a2);
        painter.setPen(picturePen(Colors::clLime, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
        painter.drawArc(circle, int(std::lround((a1 - 15) * 16)), int(std::lround((a2 - a1 + 30) * 16)));
    }

    for (int k = s.count - 1; k >= 0; --k) {
        const Parts& p = s.triangles[k].parts;
        const std::array<QPointF, 3>& v = shown[k];
        const QPointF centroid = (v[0] + v[1] + v[2]) / 3;
        painter.setPen(picturePen(colours[k], 2, styles[k], Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(v.data(), 3);
        const bool second = k == 1;
        for (int i = 0; i < 3; ++i) {
            const QPointF next = v[(i + 1) % 3], prev = v[(i + 2) % 3];
            // The second triangle labels only what differs from the first.
            const auto differs = [&](int part) {
                return !second || std::fabs(p[part] - s.triangles[0].parts[part]) > 1e-9 * std::max(1.0, p[part]);
            };
            // The angle's arc and value.
            const double shortest = std::min(std::hypot(next.x() - v[i].x(), next.y() - v[i].y()),
                                             std::hypot(prev.x() - v[i].x(), prev.y() - v[i].y()));
            const double r = std::max(8.0, std::min(26.0, shortest / 3));
            double start = angleOf(v[i], next), span = angleOf(v[i], prev) - start;
            while (span > 180) span -= 360;
            while (span < -180) span += 360;
            painter.setPen(picturePen(colours[k], 1, styles[k]));
            if (differs(i + 3)) {
                painter.drawArc(QRectF(v[i].x() - r, v[i].y() - r, 2 * r, 2 * r), int(std::lround(start * 16)),
                                int(std::lround(span * 16)));
                const QPointF bisector = unit(unit(next - v[i]) + unit(prev - v[i]));
                label(painter, v[i] + bisector * (r + 16), shortAngle(p[i + 3]));
            }
            // The vertex's name outside, the side's value beside its middle.
            painter.setPen(picturePen(second ? Colors::clAqua : Colors::clWhite));
            if (differs(i) || differs(i + 3) || !second) {
                const QPointF out = unit(v[i] - centroid);
                if (!second || v[i] != shown[0][i])
                    label(painter, v[i] + out * 16, QString::fromUtf8(PartNames[i + 3].data(), 1));
            }
            if (differs(i)) {
                const QPointF a = v[(i + 1) % 3], b = v[(i + 2) % 3], middle = (a + b) / 2;
                QPointF normal = unit(QPointF(-(b - a).y(), (b - a).x()));
                if (QPointF::dotProduct(normal, middle - v[i]) < 0) normal = -normal;
                painter.setPen(picturePen(colours[k]));
                label(painter, middle + normal * 16,
                      QString::fromUtf8(PartNames[i].data(), 1) + QStringLiteral(" = ") + shortNumber(p[i]));
            }
        }
    }
    painter.restore();
}

}  // namespace triangles
