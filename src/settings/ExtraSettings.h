#pragma once

#include "SettingsTable.h"

#include <QString>

// The keys of this installation's own "extra.ini" (program folder, section "setup"): what is stored in and
// restored from the database, the language of the last session and the remembered login.
struct ExtraSettings
{
    ExtraSettings(); // every member at its default

    bool setuptodbchb;
    bool setupfromdbchb;
    bool reportstodbchb;
    bool reportsfromdbchb;
    QString currentlanguage;
    QString jmenole; // remembered login; written only by rememberLogin()
    QString heslole;

    void read(const IniFile& ini);
    // The keys written at close: the four storage switches and the language.
    void write(IniFile& ini) const;

    // Written when the login window hides, keeping everything else in the file.
    static bool rememberLogin(const QString& extraIniPath, const QString& jmeno, const QString& heslo, QString* error);

    static std::span<const SettingKey<ExtraSettings>> table();
};
