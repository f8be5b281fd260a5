#include "WindowPlacement.h"

#include "GridLayoutStore.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

bool WindowPlacement::save(const QWidget* window, const QString& windowName, QString* error, const QString& storePath)
{
    GridLayoutStore store(storePath);
    store.load();
    WindowGeometry placement;
    placement.maximized = window->isMaximized();
    placement.geometry =
        window->isMaximized() || window->isFullScreen() ? window->normalGeometry() : window->geometry();
    if (!placement.geometry.isValid())
        placement.geometry = window->geometry();
    store.setPlacement(windowName, placement);
    return store.save(error);
}

bool WindowPlacement::restore(QWidget* window, const QString& windowName, const QString& storePath)
{
    GridLayoutStore store(storePath);
    store.load();
    const auto placement = store.placement(windowName);
    if (!placement)
        return false;
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    // A screen that was there when the window closed may be gone now.
    if (!GridLayoutStore::isOnScreen(placement->geometry, screens))
        return false;
    window->setGeometry(placement->geometry);
    const Qt::WindowStates state = window->windowState();
    window->setWindowState(placement->maximized ? state | Qt::WindowMaximized : state & ~Qt::WindowMaximized);
    return true;
}
