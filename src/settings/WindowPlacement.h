#pragma once

#include <QString>

class QWidget;

// A window's position, size and maximised state kept in "grids.ini" under the window's name.
class WindowPlacement
{
public:
    // An empty storePath means GridLayoutStore::defaultPath().
    static bool save(const QWidget* window, const QString& windowName, QString* error = nullptr,
                     const QString& storePath = {});
    // False when nothing is stored or the stored place is off every screen (the window keeps its own).
    static bool restore(QWidget* window, const QString& windowName, const QString& storePath = {});
};
