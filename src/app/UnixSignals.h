#pragma once

class QWidget;

// Turns SIGTERM, SIGHUP and SIGINT into a normal close of the given window, so the close sequence runs
// when the desktop session ends.
namespace UnixSignals {
void closeOnTermination(QWidget* window);
// True once a termination signal came; a start still under way then ends instead of opening the window.
bool terminationRequested();
} // namespace UnixSignals
