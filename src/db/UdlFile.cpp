#include "UdlFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

namespace UdlFile {

namespace {

QString decode(const QByteArray& bytes)
{
    // A BOM decides; without one, a file full of zero bytes in odd places is UTF-16 LE, else UTF-8.
    if (auto encoding = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*encoding);
        return decoder.decode(bytes);
    }
    if (bytes.size() >= 2 && bytes.at(1) == '\0' && bytes.at(0) != '\0') {
        QStringDecoder decoder(QStringConverter::Utf16LE);
        return decoder.decode(bytes);
    }
    QStringDecoder decoder(QStringConverter::Utf8);
    return decoder.decode(bytes);
}

} // namespace

QString getconnectionstringfromudl(const QString& udlFile)
{
    QFile file(udlFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = decode(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QString result;
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    for (const QString& line : lines) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('[')) || line.startsWith(QLatin1Char(';')))
            continue;
        result += line;
    }
    return result;
}

QString defaultDatabaseOf(const QString& connectionString)
{
    QString s = connectionString;
    s.remove(QLatin1Char('"'));
    s = s.toLower();
    if (!s.contains(QLatin1String("initial catalog")))
        return {};
    const QStringList pieces = s.split(QLatin1Char(';'));
    for (const QString& piece : pieces) {
        if (!piece.contains(QLatin1String("nitial catalog")))
            continue;
        return piece.mid(piece.lastIndexOf(QLatin1Char('=')) + 1);
    }
    return {};
}

QString getdefaultdbfromudl(const QString& udlFile)
{
    return defaultDatabaseOf(getconnectionstringfromudl(udlFile));
}

bool write(const QString& udlFile, const QString& initString, QString* error)
{
    QSaveFile file(udlFile);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QString text = QStringLiteral("[oledb]\r\n; Everything after this line is an OLE DB initstring\r\n") +
                         initString + QStringLiteral("\r\n");
    QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    file.write(encoder.encode(text));
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace UdlFile
