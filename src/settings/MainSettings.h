#pragma once

#include "SettingsTable.h"

#include <QString>
#include <array>

// The main window's keys of "vornik.ini" (sections "setup" and "barvy"). The window fills its controls
// from these members at start and the members from its controls at close.
struct MainSettings
{
    MainSettings(); // every member at its default

    // "setup"
    QString lic;        // "ano" once the terms of use are accepted; written only by acceptLicence()
    bool bugsqlsrv2012; // repair identity counters at start; read, never written
    bool users;         // login required
    bool newverchb;     // look for a new version at start
    int zapdnu0spine;   // days-left thresholds of the loans colour bands 0..5
    int zapdnu1spine;
    int zapdnu2spine;
    int zapdnu3spine;
    int zapdnu4spine;
    int zapdnu5spine;
    double defaultborrowdaysjvs; // default loan length in days
    bool defaultborrowdayschb;   // preset the return date of a new loan
    bool statusbeforezchb;
    bool statusafterzchb;
    QString ciselnaradale;    // own number-series prefix
    bool vlastnipocitadlochb; // own counter
    QString nazevfirmy;
    QString adresafirmy;
    QString provozovnale;
    bool pamatovatloginchb; // remember the login

    // "barvy": Windows colours 0x00BBGGRR (bgrToRgb() gives a QColor's rgb value)
    unsigned zapnuladnus;
    unsigned zapjednadnus;
    unsigned zapdvadnus;
    unsigned zaptridnus;
    unsigned zapctyridnus;
    unsigned zappetdnus;
    unsigned zapsestdnus;
    unsigned zapvracenes;

    std::array<int, 6> zapdnu() const;
    std::array<unsigned, 7> bandColors() const; // zapnuladnus .. zapsestdnus
    bool licenceAccepted() const { return lic == QLatin1String("ano"); }

    void read(const IniFile& ini);
    // Writes the "barvy" keys, then the "setup" keys; never `lic` nor `bugsqlsrv2012`.
    void write(IniFile& ini) const;

    // Records the acceptance of the terms of use in the file at once, keeping everything else in it.
    static bool acceptLicence(const QString& vornikIniPath, QString* error);

    static std::span<const SettingKey<MainSettings>> table();
};
