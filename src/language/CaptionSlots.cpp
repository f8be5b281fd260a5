#include "CaptionSlots.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolBox>
#include <QTreeWidget>

namespace CaptionSlots {

namespace {

constexpr char excludedProperty[] = "_lngExcluded";

struct ClassTexts
{
    const QMetaObject* meta;
    std::initializer_list<const char*> properties;
};

// The properties that hold captions, by class. Texts that hold the user's data (a line edit's text) are
// not among them.
const ClassTexts classTexts[] = {
    {&QAbstractButton::staticMetaObject, {"text"}},
    {&QLabel::staticMetaObject, {"text"}},
    {&QGroupBox::staticMetaObject, {"title"}},
    {&QMenu::staticMetaObject, {"title"}},
    {&QLineEdit::staticMetaObject, {"placeholderText"}},
    {&QTextEdit::staticMetaObject, {"placeholderText"}},
    {&QPlainTextEdit::staticMetaObject, {"placeholderText"}},
    {&QComboBox::staticMetaObject, {"placeholderText"}},
    {&QSpinBox::staticMetaObject, {"prefix", "suffix"}},
    {&QDoubleSpinBox::staticMetaObject, {"prefix", "suffix"}},
    {&QDockWidget::staticMetaObject, {"windowTitle"}},
    {&QToolBar::staticMetaObject, {"windowTitle"}},
    {&QWidget::staticMetaObject, {"toolTip", "statusTip", "whatsThis", "accessibleName", "accessibleDescription"}},
};

bool hasName(const QObject* object)
{
    const QString name = object->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

// Parts Qt builds inside its own widgets (the scroll buttons of a tab bar, the line edit of a spin box) are
// captioned by Qt's translations, not by ours.
bool insideQtWidget(const QObject* object, const QWidget* window)
{
    for (const QObject* p = object->parent(); p && p != window; p = p->parent()) {
        if (qobject_cast<const QTabBar*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
            qobject_cast<const QComboBox*>(p) || qobject_cast<const QScrollBar*>(p) ||
            qobject_cast<const QCalendarWidget*>(p))
            return true;
    }
    return false;
}

void addProperty(QList<CaptionSlot>& found, QObject* object, const QString& prefix, const char* property)
{
    found.append({object, prefix + QLatin1String(property), QByteArray(property),
                  [object, property] { return object->property(property).toString(); },
                  [object, property](const QString& text) { object->setProperty(property, text); }});
}

// An action's tool tip falls back to its text; only a tool tip set on its own is a caption.
QString ownToolTip(const QAction* action)
{
    QString stripped = action->text();
    stripped.remove(QLatin1String("..."));
    stripped.remove(QLatin1Char('&'));
    const QString tip = action->toolTip();
    return tip == stripped.trimmed() ? QString() : tip;
}

void addActionSlots(QList<CaptionSlot>& found, QAction* action, const QString& prefix)
{
    addProperty(found, action, prefix, "text");
    found.append({action, prefix + QLatin1String("toolTip"), QByteArrayLiteral("toolTip"),
                  [action] { return ownToolTip(action); },
                  [action](const QString& text) { action->setToolTip(text); }});
    addProperty(found, action, prefix, "statusTip");
    addProperty(found, action, prefix, "whatsThis");
}

void addIndexed(QList<CaptionSlot>& found, QObject* object, const QString& prefix, const char* kind, int count,
                const std::function<QString(int)>& get, const std::function<void(int, const QString&)>& set)
{
    for (int i = 0; i < count; ++i) {
        const QByteArray id = QByteArray(kind) + QByteArray::number(i);
        found.append({object, prefix + QString::fromLatin1(id), id, [get, i] { return get(i); },
                      [set, i](const QString& text) { set(i, text); }});
    }
}

void addWidgetSlots(QList<CaptionSlot>& found, QWidget* widget, const QString& prefix)
{
    const QMetaObject* meta = widget->metaObject();
    for (const ClassTexts& entry : classTexts) {
        if (!meta->inherits(entry.meta))
            continue;
        for (const char* property : entry.properties)
            addProperty(found, widget, prefix, property);
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
        addIndexed(
            found, tabs, prefix, "tab", tabs->count(), [tabs](int i) { return tabs->tabText(i); },
            [tabs](int i, const QString& text) { tabs->setTabText(i, text); });
    } else if (auto* box = qobject_cast<QToolBox*>(widget)) {
        addIndexed(
            found, box, prefix, "item", box->count(), [box](int i) { return box->itemText(i); },
            [box](int i, const QString& text) { box->setItemText(i, text); });
    } else if (auto* table = qobject_cast<QTableWidget*>(widget)) {
        addIndexed(
            found, table, prefix, "header", table->columnCount(),
            [table](int i) {
                return table->horizontalHeaderItem(i) ? table->horizontalHeaderItem(i)->text() : QString();
            },
            [table](int i, const QString& text) {
                if (table->horizontalHeaderItem(i))
                    table->horizontalHeaderItem(i)->setText(text);
            });
    } else if (auto* tree = qobject_cast<QTreeWidget*>(widget)) {
        addIndexed(
            found, tree, prefix, "header", tree->columnCount(), [tree](int i) { return tree->headerItem()->text(i); },
            [tree](int i, const QString& text) { tree->headerItem()->setText(i, text); });
    }
}

} // namespace

bool isCaptionWindow(const QWidget* widget)
{
    if (!widget || !widget->isWindow() || qobject_cast<const QMenu*>(widget))
        return false;
    const Qt::WindowType type = widget->windowType();
    if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::Desktop)
        return false;
    return !widget->property(excludedProperty).toBool();
}

void exclude(QWidget* window)
{
    window->setProperty(excludedProperty, true);
}

QWidget* ownerWindow(const QObject* object)
{
    for (QObject* p = object ? object->parent() : nullptr; p; p = p->parent()) {
        if (p->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(p);
            if (widget->isWindow() && !qobject_cast<QMenu*>(widget) && widget->windowType() != Qt::Popup)
                return widget;
        }
    }
    return nullptr;
}

QString windowName(const QWidget* window)
{
    return hasName(window) ? window->objectName() : QString::fromLatin1(window->metaObject()->className());
}

QList<CaptionSlot> of(QWidget* window)
{
    QList<CaptionSlot> found;
    const QString name = windowName(window);
    found.append({window, name + QStringLiteral(".windowTitle"), QByteArrayLiteral("windowTitle"),
                  [window] { return window->windowTitle(); },
                  [window](const QString& text) { window->setWindowTitle(text); }});
    const QList<QObject*> children = window->findChildren<QObject*>();
    for (QObject* child : children) {
        if (!hasName(child) || ownerWindow(child) != window || insideQtWidget(child, window))
            continue;
        const QString prefix = name + QLatin1Char('.') + child->objectName() + QLatin1Char('.');
        if (child->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(child);
            if (!widget->isWindow() || qobject_cast<QMenu*>(widget))
                addWidgetSlots(found, widget, prefix);
        } else if (auto* action = qobject_cast<QAction*>(child)) {
            addActionSlots(found, action, prefix);
        }
    }
    return found;
}

} // namespace CaptionSlots
