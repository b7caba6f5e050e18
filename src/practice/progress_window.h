#pragma once
// The progress window: what the practice history says, drawn in the program's colours. The grid
// of skills (each kind, relation, function and level: mastered, learning, due or not started),
// the share of right first-time answers over the last days as a chart, and the slips named most.
// Its tool bar exports the attempts as CSV and forgets the history; the picture saves, prints and
// copies as every topic window's does, and screen readers read the grid and figures as text.
#include <functional>
#include <memory>
#include <vector>

#include "history/mastery.h"
#include "shell/child_window.h"

namespace history {
class Store;
}
class QPushButton;
class QToolBar;

namespace practice {

// Every skill the practice window can set, in the grid's order.
std::vector<history::Skill> practisedSkills();

class ProgressWindow : public app::ChildWindow {
    Q_OBJECT
public:
    explicit ProgressWindow(const app::TopicWindow& topic);

    QWidget* controlBar;
    QToolBar* ToolBar1;
    QPushButton* exportAttempts;
    QPushButton* forget;

    void exportClick();  // asks for a file, writes the attempts as CSV
    void forgetClick();  // asks, then deletes every attempt
    // Where the attempts go and whether to forget: dialogs; tests replace them.
    std::function<QString()> chooseCsvFile;
    std::function<bool()> confirmForget;

    // Draws the picture anew from the history (the window does so when it is activated).
    void redraw();
    // The days the chart shows, up to today.
    static constexpr int ChartDays = 30;
    void paint(QPainter& painter, QSize size) const override;
    // The grid by rows, then the chart's figures and the slips, as lines of text.
    QStringList resultLines() const override;

protected:
    void FormCreate() override;
    void FormPaint() override;
    void FormActivate() override;

private:
    void warn(const QString& message);
    std::shared_ptr<history::Store> m_store;
};

}  // namespace practice
