#pragma once

// The whole start of the process: the data module with the desktop seams, the database, the main window
// and the event loop. Returns the process exit code.
namespace Startup {
int run();
}
