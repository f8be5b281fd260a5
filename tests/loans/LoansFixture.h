#pragma once

#include "Database.h"
#include "Dialect.h"
#include "TestDatabase.h"

#include <QSqlQuery>
#include <QtTest>

// The schema's database on the engine under test, with helpers to fill it.
struct LoansFixture : TestDatabase
{
    using TestDatabase::TestDatabase;

    qint64 loan(const QVariantMap& values)
    {
        QStringList columns, params;
        Database::Params bound;
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            columns << it.key();
            params << QLatin1Char(':') + QStringLiteral("p") + it.key();
            bound.insert(QStringLiteral("p") + it.key(), it.value());
        }
        return db.insert(QStringLiteral("insert into loans(%1) values(%2)").arg(columns.join(','), params.join(',')),
                         bound, QStringLiteral("id"));
    }
    void thing(qint64 loanId, const QString& description)
    {
        db.exec(QStringLiteral("insert into loanthings(borrowedid,description) values(:pid,:pdescription)"),
                {{QStringLiteral("pid"), loanId}, {QStringLiteral("pdescription"), description}});
    }
    void attachment(qint64 loanId, const QString& fileName)
    {
        db.exec(QStringLiteral("insert into loanattachments(borrowedid,filename) values(:pid,:pname)"),
                {{QStringLiteral("pid"), loanId}, {QStringLiteral("pname"), fileName}});
    }
    // The first column of every row, as numbers in the order returned.
    QList<qint64> ids(const QString& sql)
    {
        QList<qint64> result;
        QSqlQuery q = db.exec(sql);
        while (q.next())
            result << q.value(0).toLongLong();
        return result;
    }
    qint64 count(const QString& sql) { return db.scalar(sql).toLongLong(); }
};

inline void enginesData()
{
    TestDatabase::addEngineRows();
}
