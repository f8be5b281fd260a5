#pragma once

#include <QList>
#include <QMap>
#include <QString>

// Finds the translatable texts in C++ sources, so the texts section of a language file can list every text of
// the code: tr("..."), QCoreApplication::translate("context", "..."), QT_TRANSLATE_NOOP("context", "...") and
// QT_TR_NOOP("..."). Only literal texts are found. The context of tr() is the class of the member function it
// is called in (a function definition starts at the beginning of a line), the class named before "::tr", or,
// in a file that defines its own free tr() calling QCoreApplication::translate("context", ...), that context.
namespace SourceTextScanner {

struct Text
{
    QString context;
    QString source;
    bool operator==(const Text&) const = default;
};

QList<Text> scan(const QString& code, const QString& fileName);
// Every .cpp and .h file below the folder: context -> source -> source.
QMap<QString, QMap<QString, QString>> scanFolder(const QString& folder);

} // namespace SourceTextScanner
