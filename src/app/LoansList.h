#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

class LoansModel;
class QAction;
class QLabel;
class QTableView;
class QTimer;
class Tdm;
struct LoanColours;

// The loans list on the main window: the grid `zjvdbgrid` over the loans model, its status line panel and
// attachments icon, sorting by a title click, the column layout commands and the permanent deletion of a
// loan. Every statement the list opens goes through open(), which reports a statement the database refuses
// and leaves the list empty until the next one is accepted.
class LoansList : public QObject
{
    Q_OBJECT
public:
    // The grid belongs to the window; its layout is stored under the window's name.
    LoansList(Tdm& dm, QTableView* grid, const QString& windowName, QObject* parent = nullptr);

    LoansModel* model() const { return m_model; }
    QTableView* grid() const { return m_grid; }
    // The panel of the status line and the attachments action the list keeps up to date.
    void setStatusLabel(QLabel* label) { m_status = label; }
    void setAttachmentsAction(QAction* action);

    // Replaces the list statement and opens it; the list then stands on its first row. False (after the
    // error was shown) when the database refused it.
    bool open(const QString& sql);
    // Runs the statement again and stands on the same loan (else on the same row number).
    bool refresh();
    QString statement() const;
    // Forgets the rows and ends reading, before the connection changes hands.
    void clear();

    int rowCount() const;
    // The current row; the first row when none is chosen; -1 for an empty list.
    int currentRow() const;
    qint64 currentLoanId() const;
    QVariant currentValue(const QString& field) const;
    // Makes the loan current when the list holds it (reading further rows as needed).
    bool positionOn(qint64 id);
    void setCurrentRow(int row);

    // The first column shows `ownnumber` with own numbering, else `id`.
    void setFirstColumnField(const QString& field);
    void setColours(const LoanColours& colours);

    // The status line and the attachments icon for the current row; nothing changes for an empty list.
    void zapikonyasbstatus();
    void showStatus(const QString& text);
    QString statusText() const;
    bool attachmentsIconShown() const { return m_attachmentsShown; }

    void zjvdbgridTitleClick(int column);
    void zaptrvaleodstranitaExecute();
    // "výchozí šířka sloupců" and "výběr sloupců" of the grid's pop-up menu.
    void vchozkasloupc1Click();
    void vbrsloupc1Click();
    QAction* columnWidthsAction() const { return m_widthsAction; }
    QAction* chooseColumnsAction() const { return m_chooseAction; }

    bool restoreLayout();
    void saveLayout();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reportRefusal();
    void scheduleLayoutSave();

    Tdm& m_dm;
    QTableView* m_grid;
    QString m_windowName;
    LoansModel* m_model;
    QLabel* m_status = nullptr;
    QAction* m_attachments = nullptr;
    QAction* m_widthsAction = nullptr;
    QAction* m_chooseAction = nullptr;
    QTimer* m_layoutTimer = nullptr;
    bool m_applyingLayout = false;
    bool m_layoutRestored = false;
    bool m_attachmentsShown = false;
};
