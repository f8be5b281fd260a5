#pragma once

#include <QString>

namespace AppInfo {
// The program's version as major.minor.release.build with two digits for all but the first, e.g. 2.07.01.15.
QString versionText();
QString formatVersion(const QString& dotted);
// The line naming the maker in the about box.
QString makerLine();
} // namespace AppInfo
