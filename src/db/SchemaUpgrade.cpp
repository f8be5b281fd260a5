#include "SchemaUpgrade.h"

#include "Database.h"

#include <QStringList>

namespace SchemaUpgrade {

void upgradeLoans(Database& db)
{
    struct Column
    {
        const char* name;
        const char* definition;
    };
    // The order of the old upgrades is kept: log, counter, own number, items summary.
    static const Column columns[] = {
        {"loanlog", "text"},
        {"counter", "integer default 0 not null"},
        {"ownnumber", "varchar(4000)"},
        {"things", "varchar(4000)"},
    };
    for (const Column& column : columns) {
        const QString name = QString::fromLatin1(column.name);
        if (!db.poleexistuje(name, QStringLiteral("loans")))
            db.prikaz(QStringLiteral("alter table loans add %1 %2").arg(name, QString::fromLatin1(column.definition)));
    }
    // The default list is ordered by the due date; older databases lack the index that serves it.
    if (db.poleexistuje(QStringLiteral("dateto"), QStringLiteral("loans")))
        db.prikaz(QStringLiteral("create index if not exists loans_dateto on loans(dateto)"));
    // Filter statements compare dates with getdate(); the embedded engine registers it on each connection.
    if (db.engine() == ConnectionInfo::Engine::PostgreSQL &&
        !db.exec(QStringLiteral("select 1 from pg_proc where proname='getdate'")).next())
        db.prikaz(QStringLiteral("create or replace function getdate() returns double precision language sql stable "
                                 "as $$ select extract(epoch from localtimestamp)::double precision / 86400.0 + "
                                 "25569 $$"));
}

void repairIdentities(Database& db)
{
    const int version = db.verzesqlserveru();
    if (version == 2012 || version == 2014 || version == 2016 || version > 2016) {
        db.repairIdentity(QStringLiteral("loans"), QStringLiteral("id"));
        db.repairIdentity(QStringLiteral("devices"), QStringLiteral("devicenumber"));
        db.repairIdentity(QStringLiteral("contacts"), QStringLiteral("contactid"));
    }
}

} // namespace SchemaUpgrade
