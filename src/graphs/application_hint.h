#pragma once
// The application's current hint: the hint of the control under the mouse pointer, whichever
// window it is in. A watcher reports every change while it exists; destroying it detaches it.
#include <QObject>
#include <QString>

class QWidget;

namespace graphs {

// The hint a control shows: its own tool-tip text, or that of the nearest parent that has one.
QString hintOf(const QWidget* control);

class ApplicationHintWatcher : public QObject {
    Q_OBJECT
public:
    explicit ApplicationHintWatcher(QObject* parent = nullptr);
    ~ApplicationHintWatcher() override;
    QString hint() const { return m_hint; }

signals:
    void hintChanged(const QString& hint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setHint(const QString& hint);
    QString m_hint;
};

}  // namespace graphs
