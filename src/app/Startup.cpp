#include "Startup.h"

#include "CaptionApplier.h"
#include "DesktopShell.h"
#include "LoginDecision.h"
#include "QtDialogs.h"
#include "Tdm.h"
#include "Tloginf.h"
#include "Tuvodnif.h"
#include "Tzapujckyf.h"
#include "UnixSignals.h"

#include <QApplication>
#include <QDialog>
#include <memory>
#include <vector>

namespace {

// Windows that later versions fill; they exist from the start under their names, as every window does.
std::unique_ptr<QDialog> placeholderWindow(const char* name, QWidget* parent)
{
    auto window = std::make_unique<QDialog>(parent);
    window->setObjectName(QLatin1String(name));
    return window;
}

} // namespace

namespace Startup {

int run()
{
    Tdm dm;
    dm.setDialogs(std::make_unique<QtDialogs>());
    dm.setShell(std::make_unique<DesktopShell>());

    auto splash = std::make_unique<Tuvodnif>();
    splash->show();
    splash->setProgress(0);

    // Windows are captioned in the current language as they are made, and again at every change.
    auto* captions = new CaptionApplier(dm.language(), &dm);
    captions->setAutoApply(true);

    Tzapujckyf main(dm);
    // Ending by the desktop session (SIGTERM) closes the main window like the user would; during the start
    // it ends the start, keeping what was read so far.
    UnixSignals::closeOnTermination(&main);
    if (!main.formCreate(splash.get()))
        return 1;
    std::vector<std::unique_ptr<QDialog>> windows;
    for (const char* name : {"Form1"})
        windows.push_back(placeholderWindow(name, &main));
    Tzapujckaf card(dm, &main);
    main.setLoanCard(&card);
    for (const char* name :
         {"prilohyzapujckaf", "devicef", "deviceatf", "importf", "adresarf", "adresaf", "prilohyzakaznikf"})
        windows.push_back(placeholderWindow(name, &main));
    splash.reset();
    captions->applyAll();

    Tloginf login(dm);
    const MainSettings settings = main.currentSettings();
    if (UnixSignals::terminationRequested() ||
        !LoginDecision::run(dm, {settings.users, settings.pamatovatloginchb}, login)) {
        main.saveSession();
        return 0;
    }

    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &main, &Tzapujckyf::saveSession);
    main.show();
    if (UnixSignals::terminationRequested()) {
        main.saveSession();
        return 0;
    }
    return QApplication::exec();
}

} // namespace Startup
