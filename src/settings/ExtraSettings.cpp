#include "ExtraSettings.h"

namespace {

using K = SettingKey<ExtraSettings>;
using S = ExtraSettings;

// In the order the keys are written at close.
const K keys[] = {
    {"setup", "setupfromdbchb", &S::setupfromdbchb, false}, {"setup", "setuptodbchb", &S::setuptodbchb, false},
    {"setup", "reportstodbchb", &S::reportstodbchb, false}, {"setup", "reportsfromdbchb", &S::reportsfromdbchb, false},
    {"setup", "currentlanguage", &S::currentlanguage, ""},  {"setup", "jmenole", &S::jmenole, "", false},
    {"setup", "heslole", &S::heslole, "", false},
};

} // namespace

ExtraSettings::ExtraSettings()
{
    SettingsTable::applyDefaults(*this, table());
}

std::span<const SettingKey<ExtraSettings>> ExtraSettings::table()
{
    return keys;
}

void ExtraSettings::read(const IniFile& ini)
{
    SettingsTable::read(*this, ini, table());
}

void ExtraSettings::write(IniFile& ini) const
{
    SettingsTable::write(*this, ini, table());
}

bool ExtraSettings::rememberLogin(const QString& extraIniPath, const QString& jmeno, const QString& heslo,
                                  QString* error)
{
    return IniFile::modify(
        extraIniPath,
        [&](IniFile& ini) {
            ini.setValue(QStringLiteral("setup"), QStringLiteral("jmenole"), jmeno);
            ini.setValue(QStringLiteral("setup"), QStringLiteral("heslole"), heslo);
        },
        error);
}
