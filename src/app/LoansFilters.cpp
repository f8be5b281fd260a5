#include "LoansFilters.h"

#include "LoanSearch.h"
#include "LoansList.h"
#include "LoansModel.h"
#include "Tdm.h"

#include <QAction>
#include <QFile>
#include <QMenu>

LoansFilters::LoansFilters(Tdm& dm, LoansList& list, QMenu* menu, QObject* parent)
    : QObject(parent), m_dm(dm), m_list(list), m_menu(menu)
{
    // The file is per language: after a switch the menu and the default come from the new language's file,
    // so that an item's position and the line it runs belong to the same file.
    connect(&dm.language(), &LanguageEngine::languageChanged, this, [this] {
        if (!m_dm.globals().nastavenicesta.isEmpty())
            load(false);
    });
}

QString LoansFilters::fileName() const
{
    return FilterFileKind::loans().fileName(m_dm.languageCode());
}

QString LoansFilters::filePath() const
{
    return m_dm.globals().nastavenicesta + fileName();
}

QString LoansFilters::defaultStatement() const
{
    return m_dm.globals().zapdefaultfiltr;
}

void LoansFilters::load(bool warn)
{
    const FilterFileKind kind = FilterFileKind::loans();
    m_dm.globals().zapdefaultfiltr = kind.builtInDefault;
    m_menu->clear();
    const QString path = filePath();
    FilterFile file;
    if (!file.load(path)) {
        if (!warn)
            return;
        if (!QFile::exists(path))
            m_dm.dialogs().message({m_dm.lex(Lexicon::Error) + QStringLiteral(": ") + path, m_dm.lex(126),
                                    Dialogs::Icon::Warning, Dialogs::Ok, Dialogs::Ok});
        else
            m_dm.reportError(file.errorString());
        return;
    }
    m_dm.globals().zapdefaultfiltr = file.defaultStatement(kind);
    buildMenu(file);
}

void LoansFilters::buildMenu(const FilterFile& file)
{
    for (int i = 0; i < file.count(); ++i) {
        const FilterLine& line = file.lines().at(i);
        // A blank line parts groups of filters; a line without a statement has nothing to run.
        if (line.isBlank()) {
            m_menu->addSeparator();
            continue;
        }
        QAction* item = m_menu->addAction(line.caption());
        item->setData(i);
        item->setEnabled(line.hasStatement());
        connect(item, &QAction::triggered, this, [this, i] { filtrzapu(i); });
    }
}

void LoansFilters::filtrzapu(int index)
{
    const QString path = filePath();
    if (!QFile::exists(path)) {
        m_list.showStatus(m_dm.lex(126) + QStringLiteral(": ") + fileName());
        return;
    }
    FilterFile file;
    if (!file.load(path)) {
        m_dm.reportError(file.errorString());
        return;
    }
    // The captions are those of the last reading; the statement is the file's line at the position now.
    if (const auto sql = file.statementAt(index))
        m_list.open(*sql);
}

void LoansFilters::zapobnovitdfiltraExecute()
{
    const qint64 id = m_list.currentLoanId();
    if (m_list.open(defaultStatement()) && id != 0)
        m_list.positionOn(id);
    m_list.zapikonyasbstatus();
}

void LoansFilters::zapobnovitafiltraExecute()
{
    m_list.refresh();
    m_list.zapikonyasbstatus();
}

void LoansFilters::upravitfiltryzaExecute()
{
    const QString path = filePath();
    if (!QFile::exists(path)) {
        m_list.showStatus(m_dm.lex(126) + QStringLiteral(": ") + path);
        return;
    }
    QString error;
    if (!m_dm.shell().editTextFile(path, &error)) {
        m_dm.reportError(error);
        return;
    }
    // New lines and captions show at once rather than after the next start.
    load(false);
}

void LoansFilters::podlezapujcekzaExecute()
{
    const auto text = m_dm.dialogs().inputText(m_dm.lex(127), m_dm.lex(128), QString());
    if (!text)
        return;
    const QStringList words = LoanSearch::words(*text);
    if (words.isEmpty())
        return;
    m_list.open(LoanSearch::podlezapujcekStatement(words, m_list.model()->resultFields(), m_dm.db().engine()));
}

void LoansFilters::podlevecizaExecute()
{
    const auto text = m_dm.dialogs().inputText(m_dm.lex(127), m_dm.lex(129), QString());
    if (!text)
        return;
    const QStringList words = LoanSearch::words(*text);
    if (words.isEmpty())
        return;
    QString sql;
    try {
        sql = LoanSearch::podleveciStatement(m_dm.db(), words);
    } catch (const DbError& e) {
        m_dm.reportError(e.message());
        return;
    }
    m_list.open(sql);
}
