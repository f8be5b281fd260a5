#pragma once

#include "FilterFile.h"

#include <QObject>
#include <QString>

class LoansList;
class QMenu;
class Tdm;

// Where the loans list's statements come from: the loans filter file of the current language with its
// "filtry" menu and default statement, the two restore commands, editing the file, and the two searches.
class LoansFilters : public QObject
{
    Q_OBJECT
public:
    LoansFilters(Tdm& dm, LoansList& list, QMenu* menu, QObject* parent = nullptr);

    // Settings folder + "filtryzap" + language code + ".txt".
    QString filePath() const;
    QString fileName() const;

    // Reads the filter file: the default statement into the globals record and one "filtry" item per line.
    // A missing file leaves the built-in default and an empty menu; with warn, the user is told.
    void load(bool warn);
    QString defaultStatement() const;

    // A "filtry" item: the statement of the file's line at that position, read at the time of the click.
    void filtrzapu(int index);
    void zapobnovitdfiltraExecute();
    void zapobnovitafiltraExecute();
    void upravitfiltryzaExecute();
    void podlezapujcekzaExecute();
    void podlevecizaExecute();

private:
    void buildMenu(const FilterFile& file);

    Tdm& m_dm;
    LoansList& m_list;
    QMenu* m_menu;
};
