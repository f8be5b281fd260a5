#pragma once

#include "Clock.h"
#include "DatabaseStartup.h"
#include "ScriptedDialogs.h"
#include "ScriptedShell.h"
#include "Tdm.h"
#include "TestEnv.h"

#include <QDir>

// The program's clock standing at Monday 2 March 2026, 10:00, under a Czech locale, while the test runs.
struct Clocked
{
    Clocked() : clock(QDateTime(QDate(2026, 3, 2), QTime(10, 0)), QLocale(QLocale::Czech, QLocale::CzechRepublic))
    {
        Clock::install(&clock);
    }
    ~Clocked() { Clock::install(nullptr); }
    FixedClock clock;
};

// A data module with scripted dialogs and shell, in a temporary program folder whose connection file names
// the embedded database.
struct AppTestEnv
{
    AppTestEnv()
    {
        auto scriptedDialogs = std::make_unique<ScriptedDialogs>();
        dialogs = scriptedDialogs.get();
        dm.setDialogs(std::move(scriptedDialogs));
        auto scriptedShell = std::make_unique<ScriptedShell>();
        shell = scriptedShell.get();
        dm.setShell(std::move(scriptedShell));
        folder.writeUdl(DatabaseStartup::embeddedInitString());
        QDir().mkpath(folder.file(QStringLiteral("setup")));
    }

    // A settings folder whose terms were accepted, with further "vornik.ini" lines and a loans filter file.
    void prepareSettings(
        const QByteArray& moreIni = {},
        const QByteArray& filters = "nevrácené;select * from loans where returned<10 order by dateto asc;default\n")
    {
        folder.writeText(QStringLiteral("setup/vornik.ini"), "[setup]\r\nlic=ano\r\n" + moreIni);
        if (!filters.isNull())
            folder.writeText(QStringLiteral("setup/filtryzapcs.txt"), filters);
    }

    QString lex(int i) const { return dm.lex(i); }

    TestProgramFolder folder;
    Tdm dm;
    ScriptedDialogs* dialogs = nullptr;
    ScriptedShell* shell = nullptr;
};
