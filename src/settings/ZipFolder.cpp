#include "ZipFolder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

namespace {

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

// A component that Windows would turn into "" or ".." by dropping trailing dots and spaces counts as such.
bool isParentOrEmpty(const QString& component)
{
    QString c = component;
    while (!c.isEmpty() && (c.endsWith(QLatin1Char('.')) || c.endsWith(QLatin1Char(' '))))
        c.chop(1);
    return c.isEmpty() && component != QLatin1String(".");
}

bool isInside(const QString& path, const QString& root)
{
    return path == root || path.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
}

} // namespace

std::optional<QString> ZipFolder::safeRelativePath(const QString& entryName)
{
    QString name = entryName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')))
        return std::nullopt;
    const bool isFolder = name.endsWith(QLatin1Char('/'));
    QStringList parts;
    for (const QString& part : name.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        // ':' makes a drive letter or an alternate data stream on Windows.
        if (part == QLatin1String("..") || isParentOrEmpty(part) || part.contains(QLatin1Char(':')))
            return std::nullopt;
        if (std::any_of(part.cbegin(), part.cend(), [](QChar c) { return c.unicode() < 0x20; }))
            return std::nullopt;
        parts << part;
    }
    if (parts.isEmpty())
        return isFolder ? std::optional<QString>(QString()) : std::nullopt;
    QString result = parts.join(QLatin1Char('/'));
    if (isFolder)
        result += QLatin1Char('/');
    return result;
}

bool ZipFolder::pack(const QString& folder, QByteArray* archive, QString* error)
{
    const QFileInfo root(folder);
    if (!root.isDir())
        return fail(
            error,
            QCoreApplication::translate("ZipFolder", "Složka %1 neexistuje.").arg(QDir::toNativeSeparators(folder)));
    const QDir dir(root.absoluteFilePath());

    // Without QDir::System: pipes, sockets and dangling links are no settings, and reading a pipe would hang.
    QStringList files;
    QDirIterator it(dir.absolutePath(), QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << dir.relativeFilePath(it.next());
    files.sort();

    archive->clear();
    QBuffer buffer(archive);
    QuaZip zip(&buffer);
    zip.setUtf8Enabled(true);
    if (!zip.open(QuaZip::mdCreate))
        return fail(
            error,
            QCoreApplication::translate("ZipFolder", "Archiv nelze vytvořit (chyba %1).").arg(zip.getZipError()));
    for (const QString& rel : files) {
        QFile in(dir.absoluteFilePath(rel));
        if (!in.open(QIODevice::ReadOnly)) {
            zip.close();
            return fail(error, QCoreApplication::translate("ZipFolder", "Soubor %1 nelze přečíst: %2")
                                   .arg(QDir::toNativeSeparators(in.fileName()), in.errorString()));
        }
        QuaZipFile out(&zip);
        if (!out.open(QIODevice::WriteOnly, QuaZipNewInfo(rel, in.fileName()), nullptr, 0, Z_DEFLATED,
                      Z_DEFAULT_COMPRESSION)) {
            zip.close();
            return fail(error, QCoreApplication::translate("ZipFolder", "Soubor %1 nelze uložit do archivu (chyba %2).")
                                   .arg(rel)
                                   .arg(out.getZipError()));
        }
        while (!in.atEnd()) {
            const QByteArray chunk = in.read(1 << 20);
            if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
                break;
            out.write(chunk);
        }
        const bool readOk = in.error() == QFileDevice::NoError;
        out.close();
        if (!readOk || out.getZipError() != UNZ_OK) {
            zip.close();
            return fail(error, QCoreApplication::translate("ZipFolder", "Soubor %1 nelze uložit do archivu.").arg(rel));
        }
    }
    zip.close();
    if (zip.getZipError() != UNZ_OK)
        return fail(
            error,
            QCoreApplication::translate("ZipFolder", "Archiv nelze dokončit (chyba %1).").arg(zip.getZipError()));
    return true;
}

bool ZipFolder::unpack(const QByteArray& archive, const QString& folder, QString* error)
{
    QByteArray bytes = archive;
    QBuffer buffer(&bytes);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdUnzip))
        return fail(error, QCoreApplication::translate("ZipFolder", "Archiv je poškozený nebo to není archiv zip."));

    QStringList refused;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        const QString name = zip.getCurrentFileName();
        if (!safeRelativePath(name))
            refused << name;
    }
    if (zip.getZipError() != UNZ_OK)
        return fail(error,
                    QCoreApplication::translate("ZipFolder", "Archiv je poškozený (chyba %1).").arg(zip.getZipError()));
    if (!refused.isEmpty())
        return fail(error, QCoreApplication::translate(
                               "ZipFolder", "Archiv obsahuje soubory mimo cílovou složku, nebyl rozbalen: %1")
                               .arg(refused.join(QLatin1String(", "))));

    if (!QDir().mkpath(folder))
        return fail(error, QCoreApplication::translate("ZipFolder", "Složku %1 nelze vytvořit.")
                               .arg(QDir::toNativeSeparators(folder)));
    const QString root = QFileInfo(folder).canonicalFilePath();
    QStringList failures;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        const QString rel = *safeRelativePath(zip.getCurrentFileName());
        const QString target = QDir::cleanPath(root + QLatin1Char('/') + rel);
        if (rel.isEmpty() || rel.endsWith(QLatin1Char('/'))) {
            if (!QDir().mkpath(target) || !isInside(QFileInfo(target).canonicalFilePath(), root))
                failures << rel;
            continue;
        }
        const QString parent = QFileInfo(target).absolutePath();
        // A link already in the folder must not carry an entry out of it.
        if (!QDir().mkpath(parent) || !isInside(QFileInfo(parent).canonicalFilePath(), root) ||
            (QFileInfo(target).isSymLink() && !isInside(QFileInfo(target).canonicalFilePath(), root))) {
            failures << rel;
            continue;
        }
        QuaZipFile in(&zip);
        if (!in.open(QIODevice::ReadOnly)) {
            failures << rel;
            continue;
        }
        const QByteArray data = in.readAll();
        in.close();
        if (in.getZipError() != UNZ_OK) { // a damaged entry (CRC) must not replace a good file
            failures << rel;
            continue;
        }
        QSaveFile out(target);
        if (!out.open(QIODevice::WriteOnly) || out.write(data) != data.size() || !out.commit())
            failures << rel;
    }
    if (!failures.isEmpty())
        return fail(error, QCoreApplication::translate("ZipFolder", "Některé soubory archivu nebylo možné rozbalit: %1")
                               .arg(failures.join(QLatin1String(", "))));
    return true;
}
