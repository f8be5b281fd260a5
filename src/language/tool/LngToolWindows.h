#pragma once

#include <QList>
#include <QString>
#include <functional>

class QWidget;
class Tdm;

// The windows lngtool creates to read their captions, by window object name. A new window of the program is
// added to this list, so "lngtool update" brings its captions into the language files.
struct ToolWindow
{
    QString name;
    std::function<QWidget*(Tdm&)> create;
};

QList<ToolWindow> lngToolWindows();
