#pragma once

#include "IniFile.h"

#include <QList>
#include <QRect>
#include <QString>
#include <optional>

// One column of a grid as the user arranged it.
struct GridColumn
{
    QString name;  // the model's column name (field name), matched without regard to case
    int width = 0; // in pixels; 0 when not known (a column hidden since the start keeps its default width)
    bool visible = true;
    bool operator==(const GridColumn&) const = default;
};

// Where a window was and whether it was maximised; the geometry is the normal (not maximised) one.
struct WindowGeometry
{
    QRect geometry;
    bool maximized = false;
    bool operator==(const WindowGeometry&) const = default;
};

// "grids.ini" in the program folder: the column layout of every grid and the placement of the windows
// that keep one, in one section per window ("[window]") and per grid ("[window.grid]").
class GridLayoutStore
{
public:
    static QString defaultPath(); // program folder + "grids.ini"

    explicit GridLayoutStore(const QString& path = {}); // empty: defaultPath()
    bool load();
    bool save(QString* error) const;
    const QString& path() const { return m_path; }

    // Columns in their visual order; empty when the grid has no stored layout.
    QList<GridColumn> columns(const QString& window, const QString& grid) const;
    void setColumns(const QString& window, const QString& grid, const QList<GridColumn>& columns);

    std::optional<WindowGeometry> placement(const QString& window) const;
    void setPlacement(const QString& window, const WindowGeometry& placement);

    // The layout of what a grid shows now, keeping what was stored for columns it does not show at the
    // moment (another statement may bring them back) next to their old neighbours, and the stored width of
    // columns that are hidden now.
    static QList<GridColumn> merged(const QList<GridColumn>& current, const QList<GridColumn>& stored);
    // Whether enough of the window's top lies on one of the screens for the user to reach it.
    static bool isOnScreen(const QRect& geometry, const QList<QRect>& screens);

private:
    QString m_path;
    IniFile m_ini;
};
