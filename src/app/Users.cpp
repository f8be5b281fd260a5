#include "Users.h"

#include "Clock.h"
#include "Database.h"
#include "DayNumber.h"

#include <QSqlRecord>

namespace Users {

bool isRestricted(const QString& type)
{
    return type == User || type == UserReadonly;
}

bool isReadOnly(const QString& type)
{
    return type == UserReadonly;
}

Tglobals getglobals(Database* db, const Tglobals& current, const QString& jmeno)
{
    Tglobals result = current;
    result.jmeno = jmeno;
    result.uzid = 0;
    result.heslo.clear();
    result.firstname.clear();
    result.lastname.clear();
    if (!db || !db->isOpen())
        return result;
    QSqlQuery q =
        db->exec(QStringLiteral("select * from users where username=:pjmeno"), {{QStringLiteral("pjmeno"), jmeno}});
    if (q.next()) {
        const QSqlRecord r = q.record();
        result.firstname = r.value(QStringLiteral("firstname")).toString();
        result.lastname = r.value(QStringLiteral("lastname")).toString();
        result.typ = r.value(QStringLiteral("usertype")).toString();
        result.uzid = r.value(QStringLiteral("userid")).toInt();
        result.heslo = r.value(QStringLiteral("userpw")).toString();
    }
    return result;
}

bool loginMatches(const Tglobals& found, const QString& name, const QString& password)
{
    return !name.isEmpty() && !password.isEmpty() && found.heslo == password && found.jmeno == name;
}

UserFields UserFields::trimmed() const
{
    return {username.trimmed(), userpw.trimmed(), usertype.trimmed(), firstname.trimmed(),
            lastname.trimmed(), phone.trimmed(),  email.trimmed()};
}

int missingField(const UserFields& fields)
{
    const UserFields f = fields.trimmed();
    if (f.username.isEmpty())
        return 55;
    if (f.userpw.isEmpty())
        return 56;
    if (f.usertype.isEmpty())
        return 57;
    return 0;
}

namespace {
Database::Params paramsOf(const UserFields& fields)
{
    const UserFields f = fields.trimmed();
    return {{QStringLiteral("pusername"), f.username}, {QStringLiteral("puserpw"), f.userpw},
            {QStringLiteral("pusertype"), f.usertype}, {QStringLiteral("pphone"), f.phone},
            {QStringLiteral("pemail"), f.email},       {QStringLiteral("pfirstname"), f.firstname},
            {QStringLiteral("plastname"), f.lastname}};
}
} // namespace

qint64 addUser(Database& db, const UserFields& fields)
{
    Database::Params params = paramsOf(fields);
    params.insert(QStringLiteral("padded"), DayNumber::fromDateTime(Clock::instance().now()));
    return db.insert(QStringLiteral("insert into users(username,userpw,usertype,added,phone,email,firstname,lastname) "
                                    "values (:pusername,:puserpw,:pusertype,:padded,:pphone,:pemail,:pfirstname,"
                                    ":plastname)"),
                     params, QStringLiteral("userid"));
}

void updateUser(Database& db, qint64 userid, const UserFields& fields)
{
    Database::Params params = paramsOf(fields);
    params.insert(QStringLiteral("puserid"), userid);
    db.exec(QStringLiteral("update users set username=:pusername,userpw=:puserpw,usertype=:pusertype,phone=:pphone,"
                           "email=:pemail,firstname=:pfirstname,lastname=:plastname where userid=:puserid"),
            params);
}

} // namespace Users
