#include "SqlPage.h"

#include "SqlTools.h"
#include "Tdm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

SqlPage::SqlPage(Tdm& dm, QWidget* parent) : QWidget(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("sqlts"));
    sqlcb = new QComboBox(this);
    sqlcb->setObjectName(QStringLiteral("sqlcb"));
    sqlcb->setEditable(true);
    sqlcb->addItem(QStringLiteral("select * from loans order by id desc"));
    sqlcb->setAccessibleName(tr("příkaz pro seznam zápůjček"));
    filtrb = new QPushButton(tr("filtr/výběr"), this);
    filtrb->setObjectName(QStringLiteral("filtrb"));
    sqlmemo = new QPlainTextEdit(this);
    sqlmemo->setObjectName(QStringLiteral("sqlmemo"));
    sqlmemo->setAccessibleName(tr("příkaz SQL"));
    sqlmemo->setTabChangesFocus(true);
    udelejsql = new QPushButton(QStringLiteral(">>"), this);
    udelejsql->setObjectName(QStringLiteral("udelejsql"));
    udelejsql->setAccessibleName(tr("provést příkaz"));
    sqlvystupmemo = new QPlainTextEdit(this);
    sqlvystupmemo->setObjectName(QStringLiteral("sqlvystupmemo"));
    sqlvystupmemo->setAccessibleName(tr("výsledek příkazu"));
    sqlvystupmemo->setReadOnly(true);
    sqlvystupmemo->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto* top = new QHBoxLayout;
    top->addWidget(sqlcb, 1);
    top->addWidget(filtrb);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(sqlmemo, 1);
    bottom->addWidget(udelejsql);
    bottom->addWidget(sqlvystupmemo, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom, 1);

    connect(filtrb, &QPushButton::clicked, this, &SqlPage::filter);
    connect(udelejsql, &QPushButton::clicked, this, &SqlPage::runStatement);
}

void SqlPage::filter()
{
    if (!SqlTools::acceptsAsFilter(sqlcb->currentText())) {
        m_dm.dialogs().error(m_dm.lex(Lexicon::Error), m_dm.lex(75));
        return;
    }
    emit filterRequested(sqlcb->currentText().trimmed());
}

void SqlPage::runStatement()
{
    const QString statement = sqlmemo->toPlainText().trimmed();
    if (statement.isEmpty())
        return;
    sqlvystupmemo->clear();
    try {
        sqlvystupmemo->setPlainText(SqlTools::run(m_dm.db(), statement));
    } catch (const DbError& e) {
        m_dm.reportError(e.message());
    }
    emit statementRun();
}
