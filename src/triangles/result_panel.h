#pragma once
// The results panel of the Triangles window: lines of plain text, wrapped at word boundaries to
// the panel's width, on the panel's ground, scrolled when they do not fit (the wheel, the scroll
// bar, the arrow and page keys; Ctrl+C copies every line). The words are laid out once and kept:
// new lines lay out only the words not shown before and repaint only the words that changed or
// moved, so that an up-down's step, which changes a few numbers, costs a few words.
#include <QAbstractScrollArea>
#include <QHash>
#include <QStaticText>
#include <QStringList>
#include <vector>

namespace triangles {

class ResultPanel : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit ResultPanel(QWidget* parent = nullptr);

    void setLines(const QStringList& lines);
    const QStringList& lines() const { return m_lines; }
    // The lines joined by line breaks, as a text box would give them.
    QString toPlainText() const { return m_lines.join(QLatin1Char('\n')); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent* event) override;

private:
    // A word in place: its text and its box in the panel's content (before scrolling).
    struct Placed {
        QString word;
        QRectF box;
        QStaticText text;  // shared with the cache
    };
    // Lays the lines out again at the panel's width; the repaint covers what differs from before.
    void layOut(bool repaintAll);
    const QStaticText& wordText(const QString& word);

    QStringList m_lines;
    std::vector<Placed> m_placed;
    QHash<QString, QStaticText> m_words;
    double m_height = 0;
};

}  // namespace triangles
