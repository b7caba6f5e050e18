#pragma once
// The function graphs window: a radius turns once round the unit circle in 160 steps while the
// graph of one or two of the six functions is traced beside it, continuously at an adjustable
// speed, paused, or one step at a time.
#include <QImage>
#include <array>
#include <optional>

#include "graphs/function_graphs_state.h"
#include "graphs/graphs_drawing.h"
#include "shell/child_window.h"

class QButtonGroup;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QSlider;
class QTimer;
class QToolBar;
class QToolButton;
namespace platform {
class UpDown;
}

namespace graphs {
class ApplicationHintWatcher;
}

class Tftrigon : public app::ChildWindow {
    Q_OBJECT
public:
    explicit Tftrigon(const app::TopicWindow& topic);
    ~Tftrigon() override;

    // Handlers.
    void FormCreate() override;
    void FormActivate() override;
    void FormDeactivate() override;
    void FormClose() override;
    void FormKeyPress(int key);
    void aggiornaClick();
    void cadenzaTimer();
    void Timer1Timer();
    void pausClick();
    void continuaClick();
    void normaleClick();
    void passoClick();
    void pnumfunzClick();
    void velociChange();
    // The application's hint changed: step mode shows it in Label1.
    void ApplicationHintChange(const QString& hint);

    // The picture replayed to the current step: the clean circle and the graph's axes, the
    // graph segments of every step drawn so far, and the circle as the last step left it.
    void paint(QPainter& painter, QSize size) const override;
    // The circle with its axes, and the graph's axes with their labels.
    QList<QRect> pictureParts() const override;
    // The values of the bottom bar: the angle, then the value of each function shown.
    QStringList resultLines() const override;

    const graphs::FunctionGraphsState& state() const { return m_state; }
    const graphs::GraphGeometry& graphGeometry() const { return m_geometry; }
    const QImage& circleBitmap() const { return CircleBitmap; }
    // The number of functions chosen (1 or 2) and the function of each list.
    int functionCount() const;
    graphs::TrigFunction firstFunction() const;
    graphs::TrigFunction secondFunction() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void layOutBottomBar();
    void applyTexts();
    void setAnimationControlsEnabled(bool enabled);
    void drawStep();
    void endAnimation();
    void copyCircleBitmap();
    void allocateCircleBitmap();
    void releaseCaches() override;
    void restoreCaches() override;
    void completeSurface(QImage& surface) override;
    void showSurface(QPainter& painter, const QRegion& region) override;
    void drawAxes();

    graphs::FunctionGraphsState m_state;
    graphs::GraphGeometry m_geometry;
    // The functions the animation under way (or the last one) shows.
    // The picture's description after a step: the functions, the angle reached, their values.
    void describeStep(int step);
    std::array<bool, graphs::FunctionCount> m_shown{};
    QImage CircleBitmap;
    // The step whose construction the circle shows on the screen but not yet on the surface.
    std::optional<graphs::StepPicture> m_circleStep;

    QWidget* quadro = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QToolButton* paus = nullptr;
    QSlider* veloci = nullptr;
    QLineEdit* nfunz = nullptr;
    platform::UpDown* pnumfunz = nullptr;
    QComboBox* tipofunz1 = nullptr;
    QComboBox* tipofunz2 = nullptr;
    QButtonGroup* modes = nullptr;
    QToolButton* normale = nullptr;
    QToolButton* passo = nullptr;
    QToolButton* continua = nullptr;
    QToolButton* aggiorna = nullptr;
    QFrame* sotto = nullptr;
    QLabel* Panel4 = nullptr;
    QLabel* Panel2 = nullptr;
    QLabel* Panel3 = nullptr;
    QLabel* Label1 = nullptr;
    QTimer* cadenza = nullptr;
    QTimer* Timer1 = nullptr;
    graphs::ApplicationHintWatcher* m_hintWatcher = nullptr;
};
