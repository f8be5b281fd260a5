#include "Startup.h"

#include "DatabaseStartup.h"
#include "DesktopShell.h"
#include "QtDialogs.h"
#include "Tdm.h"
#include "Tzapujckyf.h"

#include <QApplication>

namespace Startup {

int run()
{
    Tdm dm;
    dm.setDialogs(std::make_unique<QtDialogs>());
    dm.setShell(std::make_unique<DesktopShell>());
    if (!DatabaseStartup::connect(dm))
        return 1;
    try {
        DatabaseStartup::upgrade(dm, true);
    } catch (const DbError& e) {
        dm.reportError(e.message());
    }
    Tzapujckyf window(dm);
    window.show();
    return QApplication::exec();
}

} // namespace Startup
