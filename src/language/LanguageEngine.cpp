#include "LanguageEngine.h"

#include "AppPaths.h"
#include "Clock.h"
#include "LanguageFileFormat.h"
#include "LanguageTranslator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

bool sameText(const QString& a, const QString& b)
{
    return !a.isEmpty() && a.compare(b, Qt::CaseInsensitive) == 0;
}

bool matches(const LanguageEngine::Language& language, const QString& nameOrCode)
{
    return sameText(language.name, nameOrCode) || sameText(language.code, nameOrCode);
}

} // namespace

QString LanguageEngine::designName()
{
    return QStringLiteral("čeština");
}

QString LanguageEngine::designCode()
{
    return QStringLiteral("cs");
}

LanguageEngine::LanguageEngine(QObject* parent)
    : QObject(parent), m_current{designName(), designCode(), {}}, m_translator(std::make_unique<LanguageTranslator>()),
      m_qtTranslator(std::make_unique<QTranslator>())
{
    m_data.name = designName();
    m_data.code = designCode();
}

LanguageEngine::~LanguageEngine()
{
    if (m_translatorsInstalled) {
        QCoreApplication::removeTranslator(m_translator.get());
        QCoreApplication::removeTranslator(m_qtTranslator.get());
    }
}

QString LanguageEngine::languageFolder() const
{
    return AppPaths::settingsFolder() + QStringLiteral("lng/");
}

QList<LanguageEngine::Language> LanguageEngine::languages() const
{
    QList<Language> result{{designName(), designCode(), {}}};
    const QDir folder(languageFolder());
    const QStringList files = folder.entryList({QStringLiteral("*.lng")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& fileName : files) {
        const QString path = folder.filePath(fileName);
        const auto data = LanguageFileFormat::load(path);
        if (!data)
            continue;
        Language language{data->name.trimmed(), data->code.trimmed(), path};
        if (language.name.isEmpty())
            language.name = QFileInfo(fileName).completeBaseName();
        // The first file of a name or code wins; the design language cannot be shadowed by a file.
        if (findIn(result, language.name) || findIn(result, language.code))
            continue;
        result.append(language);
    }
    return result;
}

std::optional<LanguageEngine::Language> LanguageEngine::findIn(const QList<Language>& list,
                                                               const QString& nameOrCode) const
{
    for (const Language& language : list) {
        if (matches(language, nameOrCode))
            return language;
    }
    return std::nullopt;
}

std::optional<LanguageEngine::Language> LanguageEngine::find(const QString& nameOrCode) const
{
    const QString wanted = nameOrCode.trimmed();
    if (wanted.isEmpty())
        return std::nullopt;
    // The report engine's folders call the design language by its English name.
    if (sameText(wanted, QStringLiteral("Czech")))
        return Language{designName(), designCode(), {}};
    return findIn(languages(), wanted);
}

QString LanguageEngine::languageFile(const QString& nameOrCode) const
{
    const auto language = find(nameOrCode);
    return language ? language->file : QString();
}

QString LanguageEngine::flagFile(const QString& code) const
{
    if (code.isEmpty())
        return {};
    const QString path = languageFolder() + QStringLiteral("flags/") + code.toLower() + QStringLiteral(".png");
    return QFileInfo::exists(path) ? path : QString();
}

QString LanguageEngine::startLanguage(const QString& savedName) const
{
    QString wanted = savedName.trimmed();
    if (wanted.isEmpty())
        wanted = QLocale::languageToCode(Clock::instance().locale().language(), QLocale::ISO639Part1);
    const auto language = find(wanted);
    if (language && !language->isDesign() && QFileInfo::exists(language->file))
        return language->name;
    return designName();
}

bool LanguageEngine::setLanguage(const QString& nameOrCode, QString* error)
{
    const auto language = find(nameOrCode);
    if (!language) {
        if (error)
            *error = QCoreApplication::translate("LanguageEngine", "Jazyk %1 nebyl nalezen.").arg(nameOrCode);
        return false;
    }
    return applyLanguage(*language, error);
}

bool LanguageEngine::reload(QString* error)
{
    return applyLanguage(m_current, error);
}

bool LanguageEngine::applyLanguage(Language language, QString* error)
{
    LanguageData data;
    if (language.isDesign()) {
        data.name = designName();
        data.code = designCode();
    } else {
        auto loaded = LanguageFileFormat::load(language.file, error);
        if (!loaded)
            return false;
        data = std::move(*loaded);
        // The editor may have renamed the language in its file.
        if (!data.name.trimmed().isEmpty())
            language.name = data.name.trimmed();
        language.code = data.code.trimmed();
    }
    apply(language, std::move(data));
    return true;
}

void LanguageEngine::apply(const Language& language, LanguageData data)
{
    emit aboutToChangeLanguage();
    m_current = language;
    m_data = std::move(data);
    ++m_generation;
    rebuildIndexes();
    applyLexicon();
    installTranslators();
    emit languageChanged();
}

void LanguageEngine::rebuildIndexes()
{
    m_bySource.clear();
    m_byTranslation.clear();
    for (auto context = m_data.texts.cbegin(); context != m_data.texts.cend(); ++context) {
        for (auto it = context->cbegin(); it != context->cend(); ++it) {
            if (it.value().isEmpty())
                continue;
            if (!m_bySource.contains(it.key()))
                m_bySource.insert(it.key(), it.value());
            if (!m_byTranslation.contains(it.value()))
                m_byTranslation.insert(it.value(), it.key());
        }
    }
}

void LanguageEngine::setLexicon(const QStringList& designTexts, std::function<void(const QMap<int, QString>&)> apply)
{
    m_designLexicon = designTexts;
    m_applyLexicon = std::move(apply);
    applyLexicon();
}

void LanguageEngine::applyLexicon()
{
    if (!m_applyLexicon)
        return;
    QMap<int, QString> texts;
    for (auto it = m_data.lexicon.cbegin(); it != m_data.lexicon.cend(); ++it) {
        if (!it.value().isEmpty() && it.key() < m_designLexicon.size())
            texts.insert(it.key(), it.value());
    }
    m_applyLexicon(texts);
}

QString LanguageEngine::lexiconText(int index) const
{
    const QString translated = m_data.lexicon.value(index);
    return translated.isEmpty() ? m_designLexicon.value(index) : translated;
}

void LanguageEngine::installTranslators()
{
    if (m_translatorsInstalled) {
        QCoreApplication::removeTranslator(m_translator.get());
        QCoreApplication::removeTranslator(m_qtTranslator.get());
    }
    m_translator->setTexts(m_data.texts);
    // Qt's own texts (dialog buttons, context menus of edits) follow the language too. Czech is loaded
    // like any other, since Qt's untranslated texts are English.
    m_qtTranslator = std::make_unique<QTranslator>();
    const bool qtLoaded = !m_current.code.isEmpty() &&
                          m_qtTranslator->load(QLocale(m_current.code), QStringLiteral("qtbase"), QStringLiteral("_"),
                                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (qtLoaded)
        QCoreApplication::installTranslator(m_qtTranslator.get());
    QCoreApplication::installTranslator(m_translator.get());
    m_translatorsInstalled = true;
}

QString LanguageEngine::captionFor(const QString& key, const QString& designText) const
{
    if (isDesign() || designText.isEmpty())
        return {};
    const QString translated = m_data.captions.value(key);
    const auto design = m_data.designs.constFind(key);
    if (!translated.isEmpty() && (design == m_data.designs.cend() || *design == designText))
        return translated;
    return m_bySource.value(designText);
}

QString LanguageEngine::designOf(const QString& shownText) const
{
    if (isDesign())
        return shownText;
    return m_byTranslation.value(shownText, shownText);
}
