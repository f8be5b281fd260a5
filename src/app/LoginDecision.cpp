#include "LoginDecision.h"

#include "AppPaths.h"
#include "ExtraSettings.h"
#include "IniFile.h"
#include "Tdm.h"
#include "Tloginf.h"
#include "Users.h"

#include <QLineEdit>

namespace LoginDecision {

bool run(Tdm& dm, const Options& options, Tloginf& login)
{
    if (!options.usersOn) {
        dm.globals() = Users::getglobals(&dm.db(), dm.globals(), QStringLiteral("admin"));
        dm.globals().typ = Users::LoginOff;
        return true;
    }
    const QString extraIni = AppPaths::programFolder() + QStringLiteral("extra.ini");
    if (options.rememberLogin) {
        IniFile ini;
        ini.load(extraIni);
        ExtraSettings extra;
        extra.read(ini);
        login.jmenole->setText(extra.jmenole);
        login.heslole->setText(extra.heslole);
    }
    login.exec();
    if (options.rememberLogin) {
        QString error;
        if (!ExtraSettings::rememberLogin(extraIni, login.jmenole->text(), login.heslole->text(), &error))
            dm.reportError(error);
    }
    return login.loggedIn();
}

} // namespace LoginDecision
