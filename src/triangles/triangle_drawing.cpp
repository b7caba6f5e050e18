#include "triangles/triangle_drawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

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

// What a drawing touched, as the tiles of 8 x 8 logical pixels it reached (with a margin for
// smoothed edges) within its bounds, made into a region of rows of tiles.
class Touched {
public:
    Touched(QRegion* region, const QRect& bounds)
        : m_region(region), m_left(std::max(0, bounds.left() / Tile)), m_top(std::max(0, bounds.top() / Tile)),
          m_columns(std::max(1, bounds.right() / Tile + 1 - m_left)), m_rows(std::max(1, bounds.bottom() / Tile + 1 - m_top))
    {
        if (m_region) m_tiles.assign(std::size_t(m_columns) * std::size_t(m_rows), false);
    }
    void add(const QRectF& rect, double margin = 2)
    {
        if (!m_region) return;
        const QRectF r = rect.adjusted(-margin, -margin, margin, margin);
        const int left = std::max(0, int(std::floor(r.left() / Tile)) - m_left);
        const int right = std::min(m_columns - 1, int(std::floor(r.right() / Tile)) - m_left);
        const int top = std::max(0, int(std::floor(r.top() / Tile)) - m_top);
        const int bottom = std::min(m_rows - 1, int(std::floor(r.bottom() / Tile)) - m_top);
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x)
                m_tiles[std::size_t(y) * std::size_t(m_columns) + std::size_t(x)] = true;
    }
    // A line, piece by piece, so that a long slanted side takes little room.
    void addLine(QPointF from, QPointF to, double margin)
    {
        if (!m_region) return;
        const double length = std::hypot(to.x() - from.x(), to.y() - from.y());
        const int pieces = std::max(1, int(std::ceil(length / Tile)));
        for (int i = 0; i < pieces; ++i)
            add(QRectF(from + (to - from) * (double(i) / pieces), from + (to - from) * (double(i + 1) / pieces)).normalized(),
                margin);
    }
    // An arc of the circle of `centre` and `radius` from `start` over `span` degrees (counterclockwise
    // on the screen), piece by piece.
    void addArc(QPointF centre, double radius, double start, double span, double margin)
    {
        if (!m_region) return;
        const int pieces = std::max(1, int(std::ceil(std::fabs(span) * Pi / 180 * radius / Tile)));
        const auto at = [&](double degrees) {
            const double t = degrees * Pi / 180;
            return QPointF(centre.x() + radius * std::cos(t), centre.y() - radius * std::sin(t));
        };
        for (int i = 0; i < pieces; ++i)
            addLine(at(start + span * i / pieces), at(start + span * (i + 1) / pieces), margin + 1);
    }
    ~Touched()
    {
        if (!m_region) return;
        // Row by row, runs of tiles side by side as one rectangle: the sorted, banded rectangles a
        // region is made of.
        QList<QRect> rects;
        for (int y = 0; y < m_rows; ++y) {
            const auto row = m_tiles.begin() + std::ptrdiff_t(y) * m_columns;
            for (int x = 0; x < m_columns; ++x) {
                if (!row[x]) continue;
                int last = x;
                while (last + 1 < m_columns && row[last + 1])
                    ++last;
                rects.append(QRect((m_left + x) * Tile, (m_top + y) * Tile, (last - x + 1) * Tile, Tile));
                x = last;
            }
        }
        m_region->setRects(rects.constData(), int(rects.size()));
    }

private:
    static constexpr int Tile = 8;
    QRegion* m_region;
    int m_left, m_top, m_columns, m_rows;  // the bounds in tiles
    std::vector<bool> m_tiles;
};

// A text centred on a point, placed by the font's own measures whatever the device, so that a
// recorded picture places it as the screen does.
void label(QPainter& painter, QPointF centre, const QString& text, Touched& touched)
{
    const QFontMetricsF metrics(painter.font());
    // The sum of the characters' advances: a label is a name and a number, with no kerning to
    // speak of, and measuring it so costs no shaping.
    double width = 0;
    for (const QChar c : text)
        width += metrics.horizontalAdvance(c);
    const QPointF origin(centre.x() - width / 2, centre.y() - metrics.height() / 2);
    // On whole pixels: a recorded picture keeps a text's place only to the pixel.
    painter.drawText(QPointF(std::round(origin.x()), std::round(origin.y() + metrics.ascent())), text);
    touched.add(QRectF(origin, QSizeF(width, metrics.height())), 4);
}

// The part of a convex polygon between two heights (a band of rows).
QPolygonF band(const QPolygonF& polygon, double top, double bottom)
{
    const auto cut = [](const QPolygonF& in, double y, bool keepBelow) {
        QPolygonF out;
        const auto inside = [&](QPointF p) { return keepBelow ? p.y() >= y : p.y() <= y; };
        for (qsizetype i = 0; i < in.size(); ++i) {
            const QPointF a = in[i], b = in[(i + 1) % in.size()];
            if (inside(a)) out << a;
            if (inside(a) != inside(b)) out << a + (b - a) * ((y - a.y()) / (b.y() - a.y()));
        }
        return out;
    };
    return cut(cut(polygon, top, true), bottom, false);
}

// A side of width `width` with square ends, solid or dashed (four widths on, two off), filled as
// small pieces: a long slanted shape is filled in a time that grows with its bounding box, its
// pieces (bands of 16 rows, or the dashes) each in a small one. Cut along whole rows of pixels,
// the pieces leave no seam.
void drawSide(QPainter& painter, QPointF from, QPointF to, double width, bool dashed, Touched& touched)
{
    const double length = std::hypot(to.x() - from.x(), to.y() - from.y());
    if (length <= 0) return;
    const QPointF along = (to - from) / length, across = QPointF(-along.y(), along.x()) * (width / 2);
    const auto piece = [&](double start, double end) {
        const QPointF a = from + along * start, b = from + along * end;
        return QPolygonF({a + across, b + across, b - across, a - across});
    };
    if (dashed) {
        // A few dashes at a time: one shape of several small pieces costs little more than one.
        QPainterPath dashes;
        int count = 0;
        for (double t = 0; t < length; t += 6 * width) {
            dashes.addPolygon(piece(t, std::min(length, t + 4 * width)));
            dashes.closeSubpath();
            if (++count % 4 == 0 || t + 6 * width >= length) {
                painter.drawPath(dashes);
                dashes = QPainterPath();
            }
        }
    } else {
        const QPolygonF side = piece(-width / 2, length + width / 2);
        const QRectF bounds = side.boundingRect();
        constexpr double Rows = 16;
        for (double top = std::floor(bounds.top() / Rows) * Rows; top < bounds.bottom(); top += Rows)
            if (const QPolygonF part = band(side, top, top + Rows); part.size() >= 3) painter.drawPolygon(part);
    }
    touched.addLine(from, to, width + 2);
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

void drawTriangles(QPainter& painter, const QRect& area, const Solution& s, const QString& sentence, QRegion* drawn)
{
    // Labels stand inside the area; a margin keeps what a large text might reach.
    Touched touched(drawn, area.adjusted(-64, -64, 64, 64));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    QFont font = Fonts::pictureText(true);
    painter.setFont(font);
    if (s.count == 0) {
        painter.setPen(picturePen(Colors::clWhite));
        painter.drawText(area.adjusted(30, 30, -30, -30), Qt::AlignCenter | Qt::TextWordWrap, sentence);
        touched.add(QRectF(area.adjusted(30, 30, -30, -30)), 3);
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
        const int from = int(std::lround((a1 - 15) * 16)), span = int(std::lround((a2 - a1 + 30) * 16));
        painter.drawArc(circle, from, span);
        touched.addArc(centre, radius, from / 16.0, span / 16.0, 2);
    }

    for (int k = s.count - 1; k >= 0; --k) {
        const Parts& p = s.triangles[k].parts;
        const std::array<QPointF, 3>& v = shown[k];
        const QPointF centroid = (v[0] + v[1] + v[2]) / 3;
        painter.setPen(Qt::NoPen);
        painter.setBrush(picturePen(colours[k], 2).color());
        for (int i = 0; i < 3; ++i)
            drawSide(painter, v[i], v[(i + 1) % 3], 2, styles[k] != Qt::SolidLine, touched);
        painter.setBrush(Qt::NoBrush);
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
                touched.add(QRectF(v[i].x() - r, v[i].y() - r, 2 * r, 2 * r), 2);
                const QPointF bisector = unit(unit(next - v[i]) + unit(prev - v[i]));
                label(painter, v[i] + bisector * (r + 16), shortAngle(p[i + 3]), touched);
            }
            // The vertex's name outside, the side's value beside its middle.
            painter.setPen(picturePen(second ? Colors::clAqua : Colors::clWhite));
            if (differs(i) || differs(i + 3) || !second) {
                const QPointF out = unit(v[i] - centroid);
                if (!second || v[i] != shown[0][i])
                    label(painter, v[i] + out * 16, QString::fromUtf8(PartNames[i + 3].data(), 1), touched);
            }
            if (differs(i)) {
                const QPointF a = v[(i + 1) % 3], b = v[(i + 2) % 3], middle = (a + b) / 2;
                QPointF normal = unit(QPointF(-(b - a).y(), (b - a).x()));
                if (QPointF::dotProduct(normal, middle - v[i]) < 0) normal = -normal;
                painter.setPen(picturePen(colours[k]));
                label(painter, middle + normal * 16,
                      QString::fromUtf8(PartNames[i].data(), 1) + QStringLiteral(" = ") + shortNumber(p[i]), touched);
            }
        }
    }
    painter.restore();
}

}  // namespace triangles
