#include "MainSettings.h"

namespace {

using K = SettingKey<MainSettings>;
using S = MainSettings;

// In the order the keys are written at close.
const K keys[] = {
    {"barvy", "zapnuladnus", &S::zapnuladnus, 16744703u},
    {"barvy", "zapjednadnus", &S::zapjednadnus, 255u},
    {"barvy", "zapdvadnus", &S::zapdvadnus, 5855743u},
    {"barvy", "zaptridnus", &S::zaptridnus, 7124735u},
    {"barvy", "zapctyridnus", &S::zapctyridnus, 65535u},
    {"barvy", "zappetdnus", &S::zappetdnus, 8454143u},
    {"barvy", "zapsestdnus", &S::zapsestdnus, 16777215u},
    {"barvy", "zapvracenes", &S::zapvracenes, 16777215u},
    {"setup", "zapdnu0spine", &S::zapdnu0spine, 0},
    {"setup", "zapdnu1spine", &S::zapdnu1spine, 7},
    {"setup", "zapdnu2spine", &S::zapdnu2spine, 14},
    {"setup", "zapdnu3spine", &S::zapdnu3spine, 32},
    {"setup", "zapdnu4spine", &S::zapdnu4spine, 64},
    {"setup", "zapdnu5spine", &S::zapdnu5spine, 128},
    {"setup", "defaultborrowdaysjvs", &S::defaultborrowdaysjvs, 30.0},
    {"setup", "defaultborrowdayschb", &S::defaultborrowdayschb, true},
    {"setup", "statusbeforezchb", &S::statusbeforezchb, false},
    {"setup", "statusafterzchb", &S::statusafterzchb, false},
    {"setup", "newverchb", &S::newverchb, true},
    {"setup", "users", &S::users, false},
    {"setup", "nazevfirmy", &S::nazevfirmy, ""},
    {"setup", "adresafirmy", &S::adresafirmy, ""},
    {"setup", "provozovnale", &S::provozovnale, ""},
    {"setup", "ciselnaradale", &S::ciselnaradale, ""},
    {"setup", "vlastnipocitadlochb", &S::vlastnipocitadlochb, false},
    {"setup", "pamatovatloginchb", &S::pamatovatloginchb, false},
    {"setup", "lic", &S::lic, "ne", false},
    {"setup", "bugsqlsrv2012", &S::bugsqlsrv2012, true, false},
};

} // namespace

MainSettings::MainSettings()
{
    SettingsTable::applyDefaults(*this, table());
}

std::span<const SettingKey<MainSettings>> MainSettings::table()
{
    return keys;
}

std::array<int, 6> MainSettings::zapdnu() const
{
    return {zapdnu0spine, zapdnu1spine, zapdnu2spine, zapdnu3spine, zapdnu4spine, zapdnu5spine};
}

std::array<unsigned, 7> MainSettings::bandColors() const
{
    return {zapnuladnus, zapjednadnus, zapdvadnus, zaptridnus, zapctyridnus, zappetdnus, zapsestdnus};
}

void MainSettings::read(const IniFile& ini)
{
    SettingsTable::read(*this, ini, table());
}

void MainSettings::write(IniFile& ini) const
{
    SettingsTable::write(*this, ini, table());
}

bool MainSettings::acceptLicence(const QString& vornikIniPath, QString* error)
{
    return IniFile::modify(
        vornikIniPath,
        [](IniFile& ini) { ini.setValue(QStringLiteral("setup"), QStringLiteral("lic"), QStringLiteral("ano")); },
        error);
}
