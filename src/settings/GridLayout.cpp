#include "GridLayout.h"

#include <QHeaderView>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>

QString GridLayout::columnName(const QAbstractItemModel* model, int section)
{
    const QString own = model->headerData(section, Qt::Horizontal, Qt::UserRole).toString();
    if (!own.isEmpty())
        return own;
    if (const auto* query = qobject_cast<const QSqlQueryModel*>(model)) {
        const QString field = query->record().fieldName(section);
        if (!field.isEmpty())
            return field;
    }
    return model->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
}

QList<GridColumn> GridLayout::capture(const QTableView* view)
{
    QList<GridColumn> columns;
    const QAbstractItemModel* model = view->model();
    if (!model)
        return columns;
    const QHeaderView* header = view->horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        GridColumn column;
        column.name = columnName(model, logical);
        if (column.name.isEmpty())
            continue;
        column.visible = !header->isSectionHidden(logical);
        column.width = column.visible ? header->sectionSize(logical) : 0; // a hidden section reports no size
        columns << column;
    }
    return columns;
}

void GridLayout::apply(QTableView* view, const QList<GridColumn>& columns)
{
    const QAbstractItemModel* model = view->model();
    if (!model)
        return;
    QHeaderView* header = view->horizontalHeader();
    const int count = header->count();
    QStringList names;
    for (int logical = 0; logical < count; ++logical)
        names << columnName(model, logical);

    QList<bool> used(count, false);
    QList<int> order;
    QList<const GridColumn*> matched(count, nullptr);
    for (const GridColumn& column : columns) {
        for (int logical = 0; logical < count; ++logical) {
            if (!used[logical] && names[logical].compare(column.name, Qt::CaseInsensitive) == 0) {
                used[logical] = true;
                matched[logical] = &column;
                order << logical;
                break;
            }
        }
    }
    for (int visual = 0; visual < count; ++visual) {
        const int logical = header->logicalIndex(visual);
        if (!used[logical])
            order << logical;
    }
    for (int target = 0; target < count; ++target) {
        const int from = header->visualIndex(order[target]);
        if (from != target)
            header->moveSection(from, target);
    }
    bool anyVisible = false;
    for (int logical = 0; logical < count; ++logical) {
        const GridColumn* column = matched[logical];
        if (!column) {
            anyVisible = anyVisible || !header->isSectionHidden(logical);
            continue;
        }
        if (column->width > 0)
            header->resizeSection(logical, column->width); // kept for later even when the section is hidden
        header->setSectionHidden(logical, !column->visible);
        anyVisible = anyVisible || column->visible;
    }
    // A grid without a single column could not even be given its columns back by the column chooser.
    if (!anyVisible) {
        for (int logical = 0; logical < count; ++logical)
            header->setSectionHidden(logical, false);
    }
}

bool GridLayout::save(const QTableView* view, const QString& windowName, const QString& gridName, QString* error,
                      const QString& storePath)
{
    GridLayoutStore store(storePath);
    store.load();
    store.setColumns(windowName, gridName, GridLayoutStore::merged(capture(view), store.columns(windowName, gridName)));
    return store.save(error);
}

bool GridLayout::restore(QTableView* view, const QString& windowName, const QString& gridName, const QString& storePath)
{
    GridLayoutStore store(storePath);
    store.load();
    const QList<GridColumn> columns = store.columns(windowName, gridName);
    if (columns.isEmpty())
        return false;
    apply(view, columns);
    return true;
}

bool GridLayout::resetWidths(QTableView* view, const QString& windowName, const QString& gridName, QString* error,
                             const QString& storePath)
{
    view->resizeColumnsToContents();
    GridLayoutStore store(storePath);
    store.load();
    QList<GridColumn> columns = GridLayoutStore::merged(capture(view), store.columns(windowName, gridName));
    for (GridColumn& column : columns) {
        if (!column.visible)
            column.width = 0; // back to the default width when it is shown again
    }
    store.setColumns(windowName, gridName, columns);
    return store.save(error);
}
