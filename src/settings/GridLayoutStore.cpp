#include "GridLayoutStore.h"

#include "AppPaths.h"

namespace {

// A name from an object name should never be able to close the section header or start a new line.
QString sectionName(QString name)
{
    for (QChar& c : name) {
        if (c == QLatin1Char('[') || c == QLatin1Char(']') || c.unicode() < 0x20)
            c = QLatin1Char('_');
    }
    return name;
}

QString gridSection(const QString& window, const QString& grid)
{
    return sectionName(window) + QLatin1Char('.') + sectionName(grid);
}

QString columnKey(int i)
{
    return QStringLiteral("column%1").arg(i);
}

const QString countKey = QStringLiteral("count");

qsizetype indexOf(const QList<GridColumn>& columns, const QString& name)
{
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (columns.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace

QString GridLayoutStore::defaultPath()
{
    return AppPaths::programFolder() + QStringLiteral("grids.ini");
}

GridLayoutStore::GridLayoutStore(const QString& path) : m_path(path.isEmpty() ? defaultPath() : path) {}

bool GridLayoutStore::load()
{
    return m_ini.load(m_path);
}

bool GridLayoutStore::save(QString* error) const
{
    return m_ini.save(m_path, error);
}

QList<GridColumn> GridLayoutStore::columns(const QString& window, const QString& grid) const
{
    const QString section = gridSection(window, grid);
    QList<GridColumn> result;
    const int count = m_ini.intValue(section, countKey, 0);
    for (int i = 0; i < count; ++i) {
        // width,visible,name: the name last, so it may hold any character
        const QString line = m_ini.value(section, columnKey(i));
        const qsizetype first = line.indexOf(QLatin1Char(','));
        const qsizetype second = first < 0 ? -1 : line.indexOf(QLatin1Char(','), first + 1);
        if (second < 0)
            continue;
        bool widthOk = false;
        bool visibleOk = false;
        GridColumn column;
        column.width = line.left(first).trimmed().toInt(&widthOk);
        column.visible = line.mid(first + 1, second - first - 1).trimmed().toInt(&visibleOk) != 0;
        column.name = line.mid(second + 1).trimmed();
        if (!widthOk || !visibleOk || column.name.isEmpty())
            continue;
        column.width = qMax(0, column.width);
        result << column;
    }
    return result;
}

void GridLayoutStore::setColumns(const QString& window, const QString& grid, const QList<GridColumn>& columns)
{
    const QString section = gridSection(window, grid);
    const int old = m_ini.intValue(section, countKey, 0);
    m_ini.setInt(section, countKey, int(columns.size()));
    for (int i = 0; i < columns.size(); ++i) {
        const GridColumn& c = columns.at(i);
        m_ini.setValue(section, columnKey(i),
                       QStringLiteral("%1,%2,%3").arg(qMax(0, c.width)).arg(c.visible ? 1 : 0).arg(c.name));
    }
    for (int i = int(columns.size()); i < old; ++i)
        m_ini.remove(section, columnKey(i));
}

std::optional<WindowGeometry> GridLayoutStore::placement(const QString& window) const
{
    const QString section = sectionName(window);
    for (const char* key : {"left", "top", "width", "height"}) {
        if (!m_ini.contains(section, QLatin1String(key)))
            return std::nullopt;
    }
    WindowGeometry p;
    p.geometry = QRect(
        m_ini.intValue(section, QStringLiteral("left"), 0), m_ini.intValue(section, QStringLiteral("top"), 0),
        m_ini.intValue(section, QStringLiteral("width"), 0), m_ini.intValue(section, QStringLiteral("height"), 0));
    p.maximized = m_ini.boolValue(section, QStringLiteral("maximized"), false);
    if (p.geometry.width() <= 0 || p.geometry.height() <= 0)
        return std::nullopt;
    return p;
}

void GridLayoutStore::setPlacement(const QString& window, const WindowGeometry& placement)
{
    const QString section = sectionName(window);
    m_ini.setInt(section, QStringLiteral("left"), placement.geometry.left());
    m_ini.setInt(section, QStringLiteral("top"), placement.geometry.top());
    m_ini.setInt(section, QStringLiteral("width"), placement.geometry.width());
    m_ini.setInt(section, QStringLiteral("height"), placement.geometry.height());
    m_ini.setBool(section, QStringLiteral("maximized"), placement.maximized);
}

QList<GridColumn> GridLayoutStore::merged(const QList<GridColumn>& current, const QList<GridColumn>& stored)
{
    QList<GridColumn> result = current;
    for (GridColumn& c : result) {
        const qsizetype old = indexOf(stored, c.name);
        if (c.width <= 0 && old >= 0)
            c.width = stored.at(old).width;
    }
    qsizetype anchor = -1; // position in result of the last stored column seen
    for (const GridColumn& s : stored) {
        const qsizetype at = indexOf(result, s.name);
        if (at >= 0) {
            anchor = at;
            continue;
        }
        result.insert(++anchor, s);
    }
    return result;
}

bool GridLayoutStore::isOnScreen(const QRect& geometry, const QList<QRect>& screens)
{
    if (!geometry.isValid())
        return false;
    const QRect top(geometry.left(), geometry.top(), geometry.width(), qMin(geometry.height(), 30));
    for (const QRect& screen : screens) {
        const QRect seen = top.intersected(screen);
        if (seen.width() >= qMin(50, top.width()) && seen.height() >= qMin(10, top.height()))
            return true;
    }
    return false;
}
