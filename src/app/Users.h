#pragma once

#include "Tglobals.h"

#include <QString>

class Database;

// Users of the program, their types and the login check.
namespace Users {

inline const QString Administrator = QStringLiteral("administrator");
inline const QString User = QStringLiteral("user");
inline const QString UserReadonly = QStringLiteral("user readonly");
// The type of the built-in user when user management is off.
inline const QString LoginOff = QStringLiteral("internal buil-in user, login off");

// "user" and "user readonly" lose the restricted functions (deleting for good, users, numbering, sql).
bool isRestricted(const QString& type);
// "user readonly" may look at cards but change nothing.
bool isReadOnly(const QString& type);

// A copy of the current record for the given name, filled from that user's row when the name is found.
Tglobals getglobals(Database* db, const Tglobals& current, const QString& jmeno);

// The login succeeds when the record found for the name has exactly this name and password. An empty
// password never logs in.
bool loginMatches(const Tglobals& found, const QString& name, const QString& password);

struct UserFields
{
    QString username;
    QString userpw;
    QString usertype;
    QString firstname;
    QString lastname;
    QString phone;
    QString email;

    UserFields trimmed() const;
};

// The lexicon item telling what is missing (55 name, 56 password, 57 type), or 0 when all is there.
int missingField(const UserFields& fields);
// Inserts a user, stamped with the current time; returns the new user's id. Throws DbError.
qint64 addUser(Database& db, const UserFields& fields);
// Rewrites the user with this id. Throws DbError.
void updateUser(Database& db, qint64 userid, const UserFields& fields);

} // namespace Users
