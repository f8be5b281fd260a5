#pragma once

#include "ExtraSettings.h"
#include "LoanColours.h"
#include "MainSettings.h"
#include "Tzapujckaf.h"

#include <QHash>
#include <QMainWindow>

class LoansFilters;
class LoansList;
class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QTabWidget;
class QTableView;
class SettingsPages;
class SqlPage;
class Tdm;
class Tuvodnif;
class UsersPage;

// The main window: the loans list, the settings pages, the users page and the hidden "sql" page.
class Tzapujckyf : public QMainWindow
{
    Q_OBJECT
public:
    explicit Tzapujckyf(Tdm& dm, QWidget* parent = nullptr);
    ~Tzapujckyf() override;

    // The start-up sequence; false when the program is to end.
    bool formCreate(Tuvodnif* splash);
    // The close sequence: layouts, staff list, settings files, folders to the database. Runs once.
    void saveSession();

    QAction* action(const QString& name) const { return m_actions.value(name); }
    QTableView* grid() const { return m_grid; }
    QTabWidget* pages() const { return m_pages; }
    SettingsPages& settingsPages() const { return *m_settings; }
    SqlPage* sqlPage() const { return m_sqlPage; }
    UsersPage* usersPage() const { return m_users; }
    QMenu* filtersMenu() const { return m_filtersMenu; }
    QMenu* reportsMenu() const { return m_reportsMenu; }
    LoansList& loansList() const { return *m_list; }
    LoansFilters& loansFilters() const { return *m_filters; }

    // Runs the loans statement again (keeping the current loan) and shows its rows.
    void refreshLoans();
    void setLoansStatement(const QString& sql);
    QString loansStatement() const;
    // The colour bands as the "barvy" controls hold them.
    LoanColours currentColours() const;

    // The settings as read at start, with the values the controls hold folded in.
    MainSettings currentSettings() const;
    ExtraSettings currentExtraSettings() const;

    // The loan card the loan actions open.
    void setLoanCard(Tzapujckaf* card) { m_card = card; }
    Tzapujckaf::Context loanCardContext() const;
    qint64 currentLoanId() const;
    void positionOn(qint64 id);

    // Actions of this window.
    void editLanguage(const QString& language);
    void novazaExecute();
    void otevritzaExecute();
    void vlastnipocitadlobClick();
    void upravitlvlcislozapaClick();
    void aboutaExecute();
    void logaExecute();
    void showsqlaExecute();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPages();
    void createActions();
    QAction* addAction(const QString& name, const QString& caption);
    void applyRights();
    void loadStaff();
    void saveStaff();
    void loadReportsMenu();
    void refreshOwnCounter();
    void afterCard(qint64 id);
    bool checkLicence();
    void restoreLayouts();
    void saveLayouts();
    void createLoansList();
    void connectLoansList();

    Tdm& m_dm;
    QTabWidget* m_pages = nullptr;
    QTableView* m_grid = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_statusPanel = nullptr;
    LoansList* m_list = nullptr;
    LoansFilters* m_filters = nullptr;
    SettingsPages* m_settings = nullptr;
    SqlPage* m_sqlPage = nullptr;
    UsersPage* m_users = nullptr;
    Tzapujckaf* m_card = nullptr;
    QMenu* m_filtersMenu = nullptr;
    QMenu* m_reportsMenu = nullptr;
    QHash<QString, QAction*> m_actions;
    bool m_sessionSaved = false;
    bool m_layoutsRestored = false;
    // What the start read, and so what the close may write back.
    bool m_extraRead = false;
    bool m_settingsRead = false;
    bool m_staffRead = false;
    MainSettings m_mainSettings;
    ExtraSettings m_extra;
};
