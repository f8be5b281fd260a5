#include "SourceTextScanner.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace SourceTextScanner {

namespace {

struct Token
{
    enum Kind
    {
        Identifier,
        String,
        Punct
    } kind;
    QString text;
    qsizetype offset;
};

// Reads a "..." literal starting at code[i] (the opening quote); i ends after the closing quote.
QString readString(const QString& code, qsizetype& i)
{
    QString out;
    for (++i; i < code.size() && code[i] != QLatin1Char('"'); ++i) {
        if (code[i] != QLatin1Char('\\') || i + 1 >= code.size()) {
            out += code[i];
            continue;
        }
        const QChar c = code[++i];
        switch (c.unicode()) {
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 't':
            out += QLatin1Char('\t');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        default:
            out += c;
        }
    }
    ++i;
    return out;
}

QList<Token> tokenize(const QString& code)
{
    QList<Token> tokens;
    qsizetype i = 0;
    while (i < code.size()) {
        const QChar c = code[i];
        if (c.isSpace()) {
            ++i;
        } else if (code.mid(i, 2) == QLatin1String("//")) {
            i = code.indexOf(QLatin1Char('\n'), i);
            if (i < 0)
                break;
        } else if (code.mid(i, 2) == QLatin1String("/*")) {
            i = code.indexOf(QLatin1String("*/"), i + 2);
            if (i < 0)
                break;
            i += 2;
        } else if (c == QLatin1Char('"')) {
            const qsizetype start = i;
            tokens.append({Token::String, readString(code, i), start});
        } else if (c == QLatin1Char('\'')) {
            for (++i; i < code.size() && code[i] != QLatin1Char('\''); ++i) {
                if (code[i] == QLatin1Char('\\'))
                    ++i;
            }
            ++i;
        } else if (c.isLetter() || c == QLatin1Char('_')) {
            const qsizetype start = i;
            while (i < code.size() && (code[i].isLetterOrNumber() || code[i] == QLatin1Char('_')))
                ++i;
            tokens.append({Token::Identifier, code.mid(start, i - start), start});
        } else {
            tokens.append({Token::Punct, QString(c), i});
            ++i;
        }
    }
    return tokens;
}

// Adjacent literals are one text, as the compiler joins them. Returns false when no literal stands at t.
bool readLiteral(const QList<Token>& tokens, qsizetype& t, QString* text)
{
    if (t >= tokens.size() || tokens[t].kind != Token::String)
        return false;
    text->clear();
    while (t < tokens.size() && tokens[t].kind == Token::String)
        *text += tokens[t++].text;
    return true;
}

bool isPunct(const QList<Token>& tokens, qsizetype t, char c)
{
    return t < tokens.size() && tokens[t].kind == Token::Punct && tokens[t].text == QLatin1Char(c);
}

struct ClassAt
{
    qsizetype offset;
    QString name;
};

// Where member function definitions and class bodies begin, with their class.
QList<ClassAt> classPositions(const QString& code)
{
    static const QRegularExpression definition(QStringLiteral(R"(^(?!\s)[^;\n]*?\b(\w+)::~?\w+\s*\((?![^\n]*;\s*$))"),
                                               QRegularExpression::MultilineOption);
    static const QRegularExpression classBody(QStringLiteral(R"(^(?:class|struct)\s+(\w+)[^;\n]*$)"),
                                              QRegularExpression::MultilineOption);
    QList<ClassAt> positions;
    for (const QRegularExpression* re : {&definition, &classBody}) {
        auto it = re->globalMatch(code);
        while (it.hasNext()) {
            const auto m = it.next();
            positions.append({m.capturedStart(), m.captured(1)});
        }
    }
    std::sort(positions.begin(), positions.end(),
              [](const ClassAt& a, const ClassAt& b) { return a.offset < b.offset; });
    return positions;
}

QString ownTrContext(const QString& code)
{
    static const QRegularExpression ownTr(
        QStringLiteral(R"re(QString\s+tr\s*\(\s*const\s+char\s*\*\s*\w*\s*\)\s*\{[^}]*?translate\s*\(\s*"([^"]+)")re"));
    return ownTr.match(code).captured(1);
}

} // namespace

QList<Text> scan(const QString& code, const QString& fileName)
{
    const QList<Token> tokens = tokenize(code);
    const QList<ClassAt> classes = classPositions(code);
    const QString fileContext = ownTrContext(code);
    const QString baseName = QFileInfo(fileName).completeBaseName();

    auto trContext = [&](qsizetype t) {
        if (t >= 2 && isPunct(tokens, t - 1, ':') && isPunct(tokens, t - 2, ':') && t >= 3 &&
            tokens[t - 3].kind == Token::Identifier)
            return tokens[t - 3].text;
        if (!fileContext.isEmpty())
            return fileContext;
        QString context = baseName;
        for (const ClassAt& c : classes) {
            if (c.offset > tokens[t].offset)
                break;
            context = c.name;
        }
        return context;
    };

    QList<Text> texts;
    for (qsizetype t = 0; t + 1 < tokens.size(); ++t) {
        if (tokens[t].kind != Token::Identifier || !isPunct(tokens, t + 1, '('))
            continue;
        const QString& name = tokens[t].text;
        qsizetype a = t + 2;
        QString first;
        QString second;
        if (name == QLatin1String("tr") || name == QLatin1String("QT_TR_NOOP")) {
            if (readLiteral(tokens, a, &first) && (isPunct(tokens, a, ')') || isPunct(tokens, a, ',')))
                texts.append({trContext(t), first});
        } else if (name == QLatin1String("translate") || name == QLatin1String("QT_TRANSLATE_NOOP")) {
            if (readLiteral(tokens, a, &first) && isPunct(tokens, a, ',') && readLiteral(tokens, ++a, &second))
                texts.append({first, second});
        }
    }
    return texts;
}

QMap<QString, QMap<QString, QString>> scanFolder(const QString& folder)
{
    QMap<QString, QMap<QString, QString>> result;
    QDirIterator it(folder, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (const Text& text : scan(QString::fromUtf8(file.readAll()), path))
            result[text.context].insert(text.source, text.source);
    }
    return result;
}

} // namespace SourceTextScanner
