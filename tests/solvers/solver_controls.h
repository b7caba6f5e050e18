#pragma once
// The controls of a solver window found by their objectName, as a user finds them by sight:
// the window keeps its widgets to itself.
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QObject>
#include <QString>
#include <QToolBar>
#include <QToolButton>

#include "platform/updown.h"

namespace solver_controls {

// The control of that name, or null.
template <class T>
T* named(const QObject* window, const char* name)
{
    return window->findChild<T*>(QString::fromLatin1(name));
}

inline QComboBox* funzt(const QObject* window) { return named<QComboBox>(window, "funzt"); }
inline platform::UpDown* sposta(const QObject* window) { return named<platform::UpDown>(window, "sposta"); }
inline QToolButton* aggiorna(const QObject* window) { return named<QToolButton>(window, "aggiorna"); }
inline QToolButton* aiuto(const QObject* window) { return named<QToolButton>(window, "aiuto"); }
inline QAction* mostra(const QObject* window) { return named<QAction>(window, "mostra"); }
inline QToolBar* ToolBar1(const QObject* window) { return named<QToolBar>(window, "ToolBar1"); }
inline QLabel* Panel2(const QObject* window) { return named<QLabel>(window, "Panel2"); }
inline QFrame* frame(const QObject* window, const char* name) { return named<QFrame>(window, name); }
// LabelN of the results panel.
inline QLabel* resultLabel(const QObject* window, int n)
{
    return window->findChild<QLabel*>(QStringLiteral("Label%1").arg(n));
}

}  // namespace solver_controls
