#include "LanguageCreatorDialog.h"

#include "CaptionApplier.h"
#include "CaptionSlots.h"
#include "Dialogs.h"
#include "LanguageEngine.h"
#include "LanguageFileFormat.h"
#include "LanguageMerge.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {
constexpr int ErrorItem = 0;
constexpr int InformationItem = 1;
} // namespace

LanguageCreatorDialog::LanguageCreatorDialog(LanguageEngine& engine, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("LanguageCreatorDialog"));
    CaptionSlots::exclude(this);
    setWindowTitle(tr("vytvořit jazyk"));

    m_name = new QLineEdit(this);
    m_name->setPlaceholderText(tr("např. English"));
    m_code = new QLineEdit(this);
    m_code->setPlaceholderText(tr("např. en"));
    m_code->setMaxLength(3);
    m_code->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z]{0,3}")), this));
    auto* nameLabel = new QLabel(tr("&název jazyka:"), this);
    nameLabel->setBuddy(m_name);
    auto* codeLabel = new QLabel(tr("&kód jazyka (ISO 639):"), this);
    codeLabel->setBuddy(m_code);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* createButton = buttons->addButton(tr("&vytvořit"), QDialogButtonBox::AcceptRole);
    createButton->setDefault(true);
    connect(createButton, &QPushButton::clicked, this, [this] {
        if (create())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(nameLabel, m_name);
    form->addRow(codeLabel, m_code);
    form->addRow(buttons);
}

void LanguageCreatorDialog::setLanguage(const QString& name, const QString& code)
{
    m_name->setText(name);
    m_code->setText(code);
}

bool LanguageCreatorDialog::fail(const QString& text)
{
    m_dialogs.error(m_engine.lexiconText(ErrorItem), text);
    return false;
}

bool LanguageCreatorDialog::create()
{
    const QString name = m_name->text().trimmed();
    const QString code = m_code->text().trimmed().toLower();
    if (name.isEmpty())
        return fail(tr("Zadejte název jazyka."));
    static const QRegularExpression isoCode(QStringLiteral("^[a-z]{2,3}$"));
    if (!isoCode.match(code).hasMatch())
        return fail(tr("Zadejte kód jazyka podle ISO 639: dvě nebo tři písmena, např. en."));
    for (const QString& taken : {name, code}) {
        if (m_engine.find(taken))
            return fail(tr("Jazyk %1 již existuje.").arg(taken));
    }
    const QString file = m_engine.languageFolder() + LanguageMerge::fileNameFor(name);
    if (QFileInfo::exists(file))
        return fail(tr("Soubor %1 již existuje.").arg(file));

    QList<LanguageData> known;
    for (const LanguageEngine::Language& language : m_engine.languages()) {
        if (language.isDesign())
            continue;
        if (auto data = LanguageFileFormat::load(language.file))
            known << *data;
    }
    CaptionApplier collector(m_engine);
    LanguageData created;
    created.name = name;
    created.code = code;
    LanguageMerge::merge(
        created,
        LanguageMerge::designDump(m_engine.designLexicon(), collector.collectAll(), LanguageMerge::textSources(known)),
        LanguageMerge::Fill::Design);
    QString error;
    if (!LanguageFileFormat::save(file, created, &error))
        return fail(error);
    m_createdName = name;
    m_createdFile = file;
    m_engine.notifyLanguageFilesChanged();
    m_dialogs.information(
        m_engine.lexiconText(InformationItem),
        tr("Jazyk %1 byl vytvořen v souboru %2. Přeložte jeho texty funkcí upravit jazyk.").arg(name, file));
    return true;
}

QString LanguageCreatorDialog::run(LanguageEngine& engine, Dialogs& dialogs, QWidget* parent)
{
    LanguageCreatorDialog creator(engine, dialogs, parent);
    return creator.exec() == QDialog::Accepted ? creator.createdName() : QString();
}
