#pragma once

class QWidget;

// Turns SIGTERM, SIGHUP and SIGINT into a normal close of the given window, so the close sequence runs
// when the desktop session ends.
namespace UnixSignals {
void closeOnTermination(QWidget* window);
}
