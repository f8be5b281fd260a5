#include "LoanDeletion.h"

#include "Database.h"
#include "Dialogs.h"
#include "Lexicon.h"

namespace LoanDeletion {

void remove(Database& db, qint64 id)
{
    const Database::Params params{{QStringLiteral("pid"), id}};
    Transaction transaction(db);
    db.exec(QStringLiteral("delete from loans where id=:pid"), params);
    db.exec(QStringLiteral("delete from loanthings where borrowedid=:pid"), params);
    db.exec(QStringLiteral("delete from loanattachments where borrowedid=:pid"), params);
    db.reseed(QStringLiteral("loans"), QStringLiteral("id"));
    transaction.commit();
}

bool zaptrvaleodstranitaExecute(Database& db, Dialogs& dialogs, const Lexicon& lexicon, qint64 id,
                                const QString& ownnumber)
{
    const QString question = lexicon.text(161) + QLatin1Char(' ') + ownnumber + QLatin1Char('?');
    if (!dialogs.ask(lexicon.text(Lexicon::Question), question, Dialogs::Icon::Information))
        return false;
    try {
        remove(db, id);
    } catch (const DbError& e) {
        dialogs.error(lexicon.text(Lexicon::Error), lexicon.text(38) + QStringLiteral(": ") + e.message());
        return false;
    }
    return true;
}

} // namespace LoanDeletion
