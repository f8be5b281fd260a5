#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

class QObject;
class QWidget;

// One translatable text of a window: a property of a control, a tab title, a header label.
struct CaptionSlot
{
    QObject* object = nullptr;
    QString key;   // window name + "." + control name + "." + id, or window name + ".windowTitle"
    QByteArray id; // "text", "toolTip", "tab3", ...
    std::function<QString()> get;
    std::function<void(const QString&)> set;
};

// Which texts of a window are captions, found by object name. A window's controls are the widgets and
// actions below it whose nearest window is this one (menus count as part of the window they belong to); a
// dialog inside a window is a window of its own.
namespace CaptionSlots {

// A window whose texts are captioned: a window that is no menu or popup and was not excluded.
bool isCaptionWindow(const QWidget* widget);
// Windows that translate themselves (the language editor) are left alone.
void exclude(QWidget* window);
// The window whose caption keys an object's texts belong under; nullptr when none.
QWidget* ownerWindow(const QObject* object);
// The window's name in caption keys: its object name, else its class name.
QString windowName(const QWidget* window);

QList<CaptionSlot> of(QWidget* window);

} // namespace CaptionSlots
