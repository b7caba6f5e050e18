#include "triangles/result_panel.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>
#include <QStyle>
#include <cmath>
#include <algorithm>
#include <map>

namespace triangles {

namespace {

constexpr double Margin = 4;

}  // namespace

ResultPanel::ResultPanel(QWidget* parent) : QAbstractScrollArea(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::StrongFocus);
}

void ResultPanel::setLines(const QStringList& lines)
{
    if (lines == m_lines) return;
    m_lines = lines;
    layOut(false);
}

const QStaticText& ResultPanel::wordText(const QString& word)
{
    auto it = m_words.find(word);
    if (it == m_words.end()) {
        QStaticText text(word);
        text.setTextFormat(Qt::PlainText);
        text.prepare(QTransform(), font());
        it = m_words.insert(word, text);
    }
    return *it;
}

void ResultPanel::layOut(bool repaintAll)
{
    const QFontMetricsF metrics(font());
    const double line = metrics.lineSpacing();
    const double blank = metrics.horizontalAdvance(QLatin1Char(' '));
    // The width the words wrap at leaves the scroll bar its room whether it shows or not, so that
    // showing it never lays the lines out differently.
    const int bar = verticalScrollBar()->isVisible() ? 0 : style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const double right = std::max(Margin + 1, viewport()->width() - bar - Margin);

    // The words keep their layout from one change to the next; a panel that has seen many numbers
    // forgets them all now and then.
    if (m_words.size() > 4096) m_words.clear();
    std::vector<Placed> placed;
    placed.reserve(m_placed.size());
    double y = Margin;
    for (const QString& text : m_lines) {
        qsizetype indent = 0;
        while (indent < text.size() && text[indent] == QLatin1Char(' '))
            ++indent;
        const double start = Margin + double(indent) * blank;
        double x = start;
        bool first = true;
        for (const QStringView word : QStringView(text).mid(indent).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            QString w = word.toString();
            const QStaticText& shown = wordText(w);
            const double width = shown.size().width();
            if (!first && x + width > right) {
                y += line;
                x = start;
            }
            placed.push_back({std::move(w), QRectF(x, y, width, line), shown});
            x += width + blank;
            first = false;
        }
        y += line;
    }

    // What to show again: the words that changed or moved, where they were and where they are,
    // as one stretch of each row they stand on.
    QRegion changed;
    if (repaintAll) {
        changed = viewport()->rect();
    } else {
        const int scroll = verticalScrollBar()->value();
        // By row (its top before scrolling): the stretches to show again, merged where they meet.
        std::map<int, std::vector<std::pair<double, double>>> rows;
        std::map<int, int> bottoms;
        const auto add = [&](const QRectF& box) {
            const int top = qRound(box.top());
            rows[top].emplace_back(box.left() - 2, box.right() + 2);
            bottoms[top] = qRound(box.bottom());
        };
        const std::size_t common = std::min(placed.size(), m_placed.size());
        for (std::size_t i = 0; i < common; ++i)
            if (placed[i].word != m_placed[i].word || placed[i].box != m_placed[i].box) {
                add(m_placed[i].box);
                add(placed[i].box);
            }
        for (std::size_t i = common; i < m_placed.size(); ++i)
            add(m_placed[i].box);
        for (std::size_t i = common; i < placed.size(); ++i)
            add(placed[i].box);
        // Rows a line apart do not overlap, and the stretches of a row neither meet nor overlap:
        // the bands of rectangles a region is made of.
        QList<QRect> rects;
        for (auto& [top, stretches] : rows) {
            std::sort(stretches.begin(), stretches.end());
            int left = int(std::floor(stretches.front().first)), right = int(std::ceil(stretches.front().second));
            const auto finish = [&] { rects.append(QRect(left, top - scroll, right - left, bottoms[top] - top)); };
            for (const auto& [from, to] : stretches) {
                if (int(std::floor(from)) > right) {
                    finish();
                    left = int(std::floor(from));
                }
                right = std::max(right, int(std::ceil(to)));
            }
            finish();
        }
        changed.setRects(rects.constData(), int(rects.size()));
    }
    m_placed = std::move(placed);
    m_height = y + Margin;
    QScrollBar* scroll = verticalScrollBar();
    scroll->setSingleStep(int(std::ceil(line)));
    scroll->setPageStep(viewport()->height());
    scroll->setRange(0, std::max(0, int(std::ceil(m_height)) - viewport()->height()));
    if (!changed.isEmpty()) viewport()->update(changed);
}

void ResultPanel::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::Text));
    const double top = verticalScrollBar()->value();
    const QRegion& region = event->region();
    const QRect bounds = region.boundingRect();
    for (const Placed& p : m_placed) {
        const QRect box = p.box.translated(0, -top).adjusted(-2, 0, 2, 0).toAlignedRect();
        if (box.bottom() < bounds.top() || box.top() > bounds.bottom() || !region.intersects(box)) continue;
        painter.drawStaticText(QPointF(p.box.left(), p.box.top() - top), p.text);
    }
}

void ResultPanel::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    layOut(true);
}

void ResultPanel::scrollContentsBy(int /*dx*/, int /*dy*/)
{
    viewport()->update();
}

void ResultPanel::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_words.clear();
        layOut(true);
    }
}

void ResultPanel::keyPressEvent(QKeyEvent* event)
{
    QScrollBar* scroll = verticalScrollBar();
    if (event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(toPlainText());
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up: scroll->triggerAction(QAbstractSlider::SliderSingleStepSub); return;
    case Qt::Key_Down: scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd); return;
    case Qt::Key_PageUp: scroll->triggerAction(QAbstractSlider::SliderPageStepSub); return;
    case Qt::Key_PageDown: scroll->triggerAction(QAbstractSlider::SliderPageStepAdd); return;
    case Qt::Key_Home: scroll->triggerAction(QAbstractSlider::SliderToMinimum); return;
    case Qt::Key_End: scroll->triggerAction(QAbstractSlider::SliderToMaximum); return;
    default: QAbstractScrollArea::keyPressEvent(event);
    }
}

}  // namespace triangles
