#pragma once
// The practice window: it sets an exercise of the kind and level chosen on its tool bar, reads
// the answer typed in `answer`, gives the verdict from the solver's findings and keeps the
// session's score; "Show me" opens the solver window of the exercise set to its coefficients
// (the Triangles window set to a triangle's parts given),
// "Make a worksheet…" prints exercises with their answer key to a PDF file. Every answer checked
// is kept in the practice history (history/store): "Review" sets an exercise of a skill due for
// review, "Progress…" opens the progress window.
#include <QString>
#include <QElapsedTimer>
#include <QStringList>
#include <functional>
#include <memory>

#include "practice/exercise.h"
#include "practice/slips.h"
#include "shell/child_window.h"

namespace history {
class Store;
}
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolBar;
class QWidget;

namespace practice {

// Opens (or brings forward) the solver window of the equations or inequalities of a family and
// gives it back; the main window sets it from the topic windows' records, so that "Show me" can
// open a solver window.
void setSolverOpener(std::function<app::ChildWindow*(Family family, bool inequality)> opener);

// Opens (or brings forward) the Triangles window set to the parts given of a triangle exercise
// and gives it back; the main window sets it.
void setTriangleOpener(std::function<app::ChildWindow*(const triangles::Parts& given)> opener);

// Opens (or brings forward) the progress window; the main window sets it.
void setProgressOpener(std::function<app::ChildWindow*()> opener);

class PracticeWindow : public app::ChildWindow {
    Q_OBJECT
public:
    explicit PracticeWindow(const app::TopicWindow& topic);

    QWidget* controlBar;
    QToolBar* ToolBar1;
    QComboBox* kind;
    QComboBox* relation;
    QComboBox* function;
    QComboBox* level;
    QPushButton* newExercise;
    QLineEdit* seed;
    QPushButton* review;
    QPushButton* worksheet;
    QPushButton* progress;
    QWidget* answerBar;
    QLineEdit* answer;
    QPushButton* check;
    QPushButton* showMe;
    QPushButton* howToSolve;  // after a verdict: the worked solution, the slip's step marked

    // What the window shows.
    const Exercise& exercise() const { return m_exercise; }
    const QStringList& verdict() const { return m_verdict; }
    bool verdictRight() const { return m_right; }
    const SlipFinding& slip() const { return m_slip; }
    bool showsSteps() const { return m_showsSteps; }
    // The worked solution's lines as shown, the slip's step marked "▶".
    QStringList stepLines() const;
    QString scoreText() const;
    // What the window says of the history: why it is not kept, a review with nothing due, the
    // worked solution offered after ten tries; empty when nothing.
    const QString& note() const { return m_note; }

    // The handlers.
    void newExerciseClick();          // a new exercise of the chosen kind, with a new seed
    void seedEntered();               // the exercise of the seed typed in `seed`
    void checkClick();                // reads `answer` and gives the verdict
    app::ChildWindow* showMeClick();       // the solver window of the exercise, or null
    void worksheetClick();            // asks for the sheet, then for the file
    void reviewClick();               // an exercise of a skill due for review, kinds alternating
    app::ChildWindow* progressClick();  // the progress window
    void howToSolveClick();           // shows or hides the worked solution

    // The request of the tool bar's choices.
    Request request() const;
    // Where "Make a worksheet…" saves the sheet: asks with a file dialog; tests replace it.
    std::function<QString()> chooseWorksheetFile;

    void paint(QPainter& painter, QSize size) const override;
    // What a copied or printed page carries: the exercise, its seed, the answer checked and the verdict.
    QStringList resultLines() const override;

protected:
    void FormCreate() override;
    void FormPaint() override;

private:
    void setExercise(const Exercise& exercise);
    // Counts a checked answer in the score and shows the verdict.
    void score(bool right);
    void redraw();

    Exercise m_exercise;
    std::shared_ptr<history::Store> m_history;
    QElapsedTimer m_shown;      // since the exercise was set
    QString m_note;
    bool m_offered = false;     // the worked solution was offered for this exercise
    QStringList m_verdict;
    bool m_right = false;
    bool m_checked = false;    // an answer to this exercise was checked
    bool m_triedWrong = false; // a wrong or unreadable answer came before
    bool m_counted = false;    // this exercise is in the score
    bool m_scoredRight = false; // this exercise's right answer is in the score
    int m_exercises = 0;
    int m_rightFirst = 0;
    int m_rightAfterHints = 0;
    SlipFinding m_slip;
    bool m_showsSteps = false;
};

}  // namespace practice
