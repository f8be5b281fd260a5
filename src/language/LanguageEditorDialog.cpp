#include "LanguageEditorDialog.h"

#include "CaptionApplier.h"
#include "CaptionSlots.h"
#include "Dialogs.h"
#include "LanguageEngine.h"
#include "LanguageFileFormat.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {
constexpr int ErrorItem = 0;
constexpr int QuestionItem = 3;
constexpr int SaveChangesItem = 139; // "Přejete si uložit změny ?"
constexpr int KindRole = Qt::UserRole + 1;
constexpr int KeyRole = Qt::UserRole + 2;
constexpr int ContextRole = Qt::UserRole + 3;
} // namespace

LanguageEditorDialog::LanguageEditorDialog(LanguageEngine& engine, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("LanguageEditorDialog"));
    CaptionSlots::exclude(this);
    setWindowTitle(tr("upravit jazyk"));

    m_languages = new QComboBox(this);
    m_info = new QLabel(this);
    m_filter = new QLineEdit(this);
    m_filter->setClearButtonEnabled(true);
    auto* languageLabel = new QLabel(tr("&jazyk:"), this);
    languageLabel->setBuddy(m_languages);
    auto* filterLabel = new QLabel(tr("&hledat:"), this);
    filterLabel->setBuddy(m_filter);

    m_model = new QStandardItemModel(0, 3, this);
    m_model->setHorizontalHeaderLabels({tr("klíč"), tr("text v češtině"), tr("překlad")});
    m_proxy = new QSortFilterProxyModel(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->setFilterKeyColumn(-1);
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_table = new QTableView(this);
    m_table->setModel(m_proxy);
    m_table->setAccessibleName(tr("texty jazyka"));
    m_table->setWordWrap(true);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* saveButton = buttons->addButton(tr("&uložit"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Close);

    auto* form = new QFormLayout;
    form->addRow(languageLabel, m_languages);
    form->addRow(QString(), m_info);
    form->addRow(filterLabel, m_filter);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
    resize(900, 600);

    connect(m_filter, &QLineEdit::textChanged, m_proxy, &QSortFilterProxyModel::setFilterFixedString);
    connect(m_model, &QStandardItemModel::itemChanged, this, [this] { m_modified = true; });
    connect(saveButton, &QPushButton::clicked, this, &LanguageEditorDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &LanguageEditorDialog::reject);
    connect(m_languages, &QComboBox::activated, this, [this](int index) {
        if (!settleChanges()) {
            const QSignalBlocker blocker(m_languages);
            m_languages->setCurrentIndex(m_languages->findData(m_data.name));
            return;
        }
        openLanguage(m_languages->itemData(index).toString());
    });
    fillLanguages();
}

void LanguageEditorDialog::fillLanguages()
{
    const QSignalBlocker blocker(m_languages);
    m_languages->clear();
    for (const LanguageEngine::Language& language : m_engine.languages()) {
        if (!language.isDesign())
            m_languages->addItem(language.name + QStringLiteral(" (") + language.code + QLatin1Char(')'),
                                 language.name);
    }
}

bool LanguageEditorDialog::openLanguage(const QString& nameOrCode)
{
    const QString file = m_engine.languageFile(nameOrCode);
    if (file.isEmpty())
        return false;
    QString error;
    auto data = LanguageFileFormat::load(file, &error);
    if (!data) {
        m_dialogs.error(m_engine.lexiconText(ErrorItem), error);
        return false;
    }
    m_data = std::move(*data);
    m_file = file;
    CaptionApplier collector(m_engine);
    fillTable(LanguageEntries::build(m_data, m_engine.designLexicon(), collector.collectAll()));
    m_info->setText(tr("název: %1, kód: %2, soubor: %3").arg(m_data.name, m_data.code, m_file));
    const QSignalBlocker blocker(m_languages);
    m_languages->setCurrentIndex(m_languages->findData(m_engine.find(nameOrCode)->name));
    m_modified = false;
    return true;
}

void LanguageEditorDialog::fillTable(const QList<LanguageEntry>& entries)
{
    const QSignalBlocker blocker(m_model);
    m_model->removeRows(0, m_model->rowCount());
    for (const LanguageEntry& e : entries) {
        QString shownKey;
        switch (e.kind) {
        case LanguageEntry::Kind::Lexicon:
            shownKey = QStringLiteral("lexicon.") + e.key;
            break;
        case LanguageEntry::Kind::Caption:
            shownKey = e.key;
            break;
        case LanguageEntry::Kind::Text:
            shownKey = e.context;
            break;
        }
        auto* key = new QStandardItem(shownKey);
        key->setData(int(e.kind), KindRole);
        key->setData(e.key, KeyRole);
        key->setData(e.context, ContextRole);
        key->setEditable(false);
        auto* design = new QStandardItem(e.design);
        design->setEditable(false);
        m_model->appendRow({key, design, new QStandardItem(e.translation)});
    }
    m_table->resizeRowsToContents();
}

int LanguageEditorDialog::rowOf(LanguageEntry::Kind kind, const QString& key, const QString& context) const
{
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const QStandardItem* item = m_model->item(row, KeyColumn);
        if (item->data(KindRole).toInt() == int(kind) && item->data(KeyRole).toString() == key &&
            item->data(ContextRole).toString() == context)
            return row;
    }
    return -1;
}

QList<LanguageEntry> LanguageEditorDialog::entries() const
{
    QList<LanguageEntry> result;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const QStandardItem* key = m_model->item(row, KeyColumn);
        result.append({LanguageEntry::Kind(key->data(KindRole).toInt()), key->data(KeyRole).toString(),
                       key->data(ContextRole).toString(), m_model->item(row, DesignColumn)->text(),
                       m_model->item(row, TranslationColumn)->text()});
    }
    return result;
}

bool LanguageEditorDialog::save()
{
    if (m_file.isEmpty())
        return false;
    LanguageData data = m_data;
    LanguageEntries::store(entries(), data);
    QString error;
    if (!LanguageFileFormat::save(m_file, data, &error)) {
        m_dialogs.error(m_engine.lexiconText(ErrorItem), error);
        return false;
    }
    m_data = data;
    m_modified = false;
    if (m_file == m_engine.currentFile() && !m_engine.reload(&error))
        m_dialogs.error(m_engine.lexiconText(ErrorItem), error);
    m_engine.notifyLanguageFilesChanged();
    return true;
}

bool LanguageEditorDialog::settleChanges()
{
    if (!m_modified)
        return true;
    const auto answer = m_dialogs.message({m_engine.lexiconText(QuestionItem), m_engine.lexiconText(SaveChangesItem),
                                           Dialogs::Icon::Question, Dialogs::Yes | Dialogs::No, Dialogs::Yes});
    if (answer == Dialogs::Yes)
        return save();
    m_modified = false;
    return true;
}

void LanguageEditorDialog::reject()
{
    if (settleChanges())
        QDialog::reject();
}

void LanguageEditorDialog::run(LanguageEngine& engine, Dialogs& dialogs, QWidget* parent, const QString& language)
{
    LanguageEditorDialog editor(engine, dialogs, parent);
    QString wanted = language.isEmpty() && !engine.isDesign() ? engine.currentName() : language;
    if (wanted.isEmpty() && editor.m_languages->count() > 0)
        wanted = editor.m_languages->itemData(0).toString();
    if (wanted.isEmpty()) {
        dialogs.information(engine.lexiconText(1),
                            tr("Žádný jazykový soubor zatím neexistuje. Nový jazyk vytvoříte funkcí vytvořit jazyk."));
        return;
    }
    if (editor.openLanguage(wanted))
        editor.exec();
}
