#pragma once

#include <QMainWindow>

class QSqlQueryModel;
class QTableView;
class Tdm;

// The main window with the loans list.
class Tzapujckyf : public QMainWindow
{
    Q_OBJECT
public:
    explicit Tzapujckyf(Tdm& dm, QWidget* parent = nullptr);

    QTableView* grid() const { return m_grid; }
    // Runs the loans statement again and shows its rows.
    void refreshLoans();

private:
    void createActions();

    Tdm& m_dm;
    QTableView* m_grid;
    QSqlQueryModel* m_loans;
};
