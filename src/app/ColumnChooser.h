#pragma once

#include <QDialog>

class Dialogs;
class QListWidget;
class QTableView;

// Chooses which columns of a grid are shown: one check box per column, in the order the grid shows them.
// OK with no column checked is refused with the given warning, since a grid without columns could not even
// be given its columns back.
class ColumnChooser : public QDialog
{
    Q_OBJECT
public:
    struct Texts
    {
        QString caption;        // the dialog's title
        QString warningCaption; // the caption of the refusal
        QString noColumn;       // the refusal
    };

    ColumnChooser(QTableView* view, Dialogs& dialogs, const Texts& texts, QWidget* parent = nullptr);

    QListWidget* columns() const { return m_list; }
    // Shows or hides the grid's columns as checked; stays open when none is.
    void accept() override;

private:
    QTableView* m_view;
    Dialogs& m_dialogs;
    Texts m_texts;
    QListWidget* m_list;
};
