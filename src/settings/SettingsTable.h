#pragma once

#include "IniFile.h"

#include <span>
#include <type_traits>
#include <variant>

// One row of a window's settings table: where a value lives in the settings file, the member that holds
// it while the program runs, its default, and whether the window writes it back when it closes.
// The order of the rows is the order in which the keys are written into a new file.
template <class S> struct SettingKey
{
    using Field = std::variant<bool S::*, int S::*, double S::*, unsigned S::*, QString S::*>;
    using Default = std::variant<bool, int, double, unsigned, const char*>;

    const char* section;
    const char* key;
    Field field; // unsigned members are Windows colours (0x00BBGGRR)
    Default def;
    bool written = true;
};

namespace SettingsTable {

template <class T> T defaultAs(const auto& def)
{
    return std::visit(
        [](const auto& d) -> T {
            using D = std::decay_t<decltype(d)>;
            if constexpr (std::is_same_v<T, QString>) {
                if constexpr (std::is_same_v<D, const char*>)
                    return QString::fromUtf8(d);
                else
                    return QString();
            } else if constexpr (std::is_same_v<D, const char*>) {
                return T{};
            } else {
                return static_cast<T>(d);
            }
        },
        def);
}

template <class S> void applyDefaults(S& s, std::span<const SettingKey<S>> keys)
{
    for (const SettingKey<S>& k : keys) {
        std::visit(
            [&](auto member) {
                using T = std::remove_cvref_t<decltype(s.*member)>;
                s.*member = defaultAs<T>(k.def);
            },
            k.field);
    }
}

template <class S> void read(S& s, const IniFile& ini, std::span<const SettingKey<S>> keys)
{
    for (const SettingKey<S>& k : keys) {
        const QString section = QString::fromLatin1(k.section);
        const QString key = QString::fromLatin1(k.key);
        std::visit(
            [&](auto member) {
                using T = std::remove_cvref_t<decltype(s.*member)>;
                const T def = defaultAs<T>(k.def);
                if constexpr (std::is_same_v<T, bool>)
                    s.*member = ini.boolValue(section, key, def);
                else if constexpr (std::is_same_v<T, int>)
                    s.*member = ini.intValue(section, key, def);
                else if constexpr (std::is_same_v<T, double>)
                    s.*member = ini.doubleValue(section, key, def);
                else if constexpr (std::is_same_v<T, unsigned>)
                    s.*member = ini.colorValue(section, key, def);
                else
                    s.*member = ini.value(section, key, def);
            },
            k.field);
    }
}

template <class S> void write(const S& s, IniFile& ini, std::span<const SettingKey<S>> keys)
{
    for (const SettingKey<S>& k : keys) {
        if (!k.written)
            continue;
        const QString section = QString::fromLatin1(k.section);
        const QString key = QString::fromLatin1(k.key);
        std::visit(
            [&](auto member) {
                using T = std::remove_cvref_t<decltype(s.*member)>;
                if constexpr (std::is_same_v<T, bool>)
                    ini.setBool(section, key, s.*member);
                else if constexpr (std::is_same_v<T, int>)
                    ini.setInt(section, key, s.*member);
                else if constexpr (std::is_same_v<T, double>)
                    ini.setDouble(section, key, s.*member);
                else if constexpr (std::is_same_v<T, unsigned>)
                    ini.setColor(section, key, s.*member);
                else
                    ini.setValue(section, key, s.*member);
            },
            k.field);
    }
}

} // namespace SettingsTable
