#pragma once

#include "LanguageData.h"

#include <QByteArray>
#include <QStringList>
#include <optional>

// The ".lng" file: UTF-8 text whose first line is exactly "LANGUAGE_FILE", then sections of key=value lines:
//
//     LANGUAGE_FILE
//     [language]
//     name=English
//     code=en
//     [lexicon]
//     0=error
//     [captions]
//     zapujckyf.novaza.text=new loan
//     [designs]
//     zapujckyf.novaza.text=nová zápůjčka
//     [texts]
//     Database|Schéma neexistuje.=The schema does not exist.
//
// Keys and values are trimmed; a backslash escapes the next character (\n new line, \r, \t, \s a space kept
// at either end, \\, and \= \| inside keys). A texts key is context + "|" + source text. Lines starting with
// "#" or ";" are comments. Reading skips bad lines and goes on; writing is deterministic (sorted keys).
namespace LanguageFileFormat {

QString signature(); // "LANGUAGE_FILE"

// The language in a file's bytes; nothing when the signature is missing. Bad lines are described in
// problems ("line 7: ...") and skipped.
std::optional<LanguageData> parse(const QByteArray& bytes, QStringList* problems = nullptr);
QByteArray serialize(const LanguageData& data);

std::optional<LanguageData> load(const QString& path, QString* error = nullptr, QStringList* problems = nullptr);
bool save(const QString& path, const LanguageData& data, QString* error = nullptr);
// True when the file exists and starts with the signature.
bool isLanguageFile(const QString& path);

QString escapeKey(const QString& key);
QString escapeValue(const QString& value);
QString unescape(QStringView text);

} // namespace LanguageFileFormat
