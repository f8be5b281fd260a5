#pragma once

#include <QString>

// The logged-in user and the folders and default statements every window reads.
struct Tglobals
{
    qint32 uzid = 0;
    QString jmeno;
    QString heslo;
    QString firstname;
    QString lastname;
    QString typ;
    QString nastavenicesta;
    QString sestavycesta;
    QString ezdefaultfiltr;
    QString zapdefaultfiltr;
};
