#pragma once

#include "LoanColours.h"
#include "LoanNumbering.h"
#include "LoanRecord.h"

#include <QDialog>

class DayNumberEdit;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSqlQueryModel;
class QStatusBar;
class QTableView;
class QToolButton;
class Tdm;

// The loan card: edits one loan. A new loan is written to the database when it is asked for; the card then
// edits that row and every save rewrites all of its fields.
class Tzapujckaf : public QDialog
{
    Q_OBJECT
public:
    // What the card takes from the main window each time it is shown.
    struct Context
    {
        LoanNumbering::Settings numbering;
        bool presetDueDate = true; // defaultborrowdayschb
        double defaultDays = 30;   // defaultborrowdaysjvs
        QStringList staff;         // the "pracovníci" lines
        LoanColours colours;
    };

    explicit Tzapujckaf(Tdm& dm, QWidget* parent = nullptr);

    void setContext(const Context& context) { m_context = context; }
    // Creates an empty loan and fills the card for it; the id of the new loan, or 0 when it failed
    // (the failure has been reported).
    qint64 novazaExecute();
    // Fills the card from a stored loan; false when it does not exist.
    bool openLoan(qint64 id);
    qint64 loanId() const;

    // Writes the card into its row; false (reported) when that failed.
    bool ulozitzapujcku();
    void ulozitazavritzbClick();
    void customerzbsbClick();
    // The date pop-up menu on the target picker.
    void vymazat1Click();
    void nastavitaktuln1Click();
    void zadatrun1Click();
    QMenu* datePopup() const { return m_datePopup; }
    void setDateTarget(DayNumberEdit* edit) { m_target = edit; }

    // The customer chosen in the address book.
    void setCustomer(qint64 contactid, const QString& firm);

    QLabel* cislozapujckyl;
    QLabel* skutecnecislozapujckyl;
    DayNumberEdit* datefromzdtp;
    DayNumberEdit* datetozdtp;
    DayNumberEdit* returnedzdtp;
    QLineEdit* customerzle;
    QPushButton* customerzb;
    QToolButton* customerzbsb;
    QDoubleSpinBox* advancezjvs;
    QDoubleSpinBox* pricezjvs;
    QLineEdit* accessorieszle;
    QComboBox* statusbeforezcb;
    QDoubleSpinBox* mileage0zjvs;
    QComboBox* person1zcb;
    QComboBox* statusafterzcb;
    QDoubleSpinBox* mileagezjvs;
    QComboBox* person2zcb;
    QPlainTextEdit* notezm;
    QPlainTextEdit* logre;
    QTableView* borrowedthingsgrid;
    QPushButton* borrowedthingsb;
    QToolButton* prilohazaimage;
    QPushButton* zaplistb;
    QPushButton* zapprotokol;
    QPushButton* ulozitazavritzb;
    QStatusBar* zapujckasb;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

public slots:
    void reject() override;

private:
    void build();
    void vymazzapujckaf();
    void fill(const LoanRecord& loan);
    LoanRecord fromControls() const;
    void applyDateRule();
    void updateStatus();
    void openItems(qint64 id);
    void setNumberColour(const QColor& colour);
    void applyReadOnly();
    bool readOnly() const;

    Tdm& m_dm;
    Context m_context;
    QSqlQueryModel* m_items;
    QMenu* m_datePopup;
    DayNumberEdit* m_target = nullptr;
    QWidget* m_numberBox;
    bool m_readOnlyApplied = false;
    bool m_placementRestored = false;
};
