#pragma once

#include "GridLayoutStore.h"

class QAbstractItemModel;
class QTableView;

// A grid's column order, widths and visibility kept in "grids.ini". Columns are matched by the model's
// column names, so a statement with other columns still gets back the layout of the columns it shares.
class GridLayout
{
public:
    // Header data under Qt::UserRole when the model gives one (titles are translated, names are not),
    // else a query model's field name, else the title.
    static QString columnName(const QAbstractItemModel* model, int section);

    static QList<GridColumn> capture(const QTableView* view); // in visual order
    // Columns the layout does not name keep their order after the ones it does; never hides every column.
    static void apply(QTableView* view, const QList<GridColumn>& columns);

    // An empty storePath means GridLayoutStore::defaultPath().
    static bool save(const QTableView* view, const QString& windowName, const QString& gridName,
                     QString* error = nullptr, const QString& storePath = {});
    // False when nothing is stored for the grid (the view is left as it is).
    static bool restore(QTableView* view, const QString& windowName, const QString& gridName,
                        const QString& storePath = {});
    // Fits every column to its title and contents and stores those widths.
    static bool resetWidths(QTableView* view, const QString& windowName, const QString& gridName,
                            QString* error = nullptr, const QString& storePath = {});
};
