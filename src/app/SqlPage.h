#pragma once

#include <QWidget>

class QComboBox;
class QPlainTextEdit;
class QPushButton;
class Tdm;

// The hidden "sql" page: a statement for the loans list, and a free statement with its output.
class SqlPage : public QWidget
{
    Q_OBJECT
public:
    SqlPage(Tdm& dm, QWidget* parent = nullptr);

    QComboBox* sqlcb;
    QPushButton* filtrb;
    QPlainTextEdit* sqlmemo;
    QPushButton* udelejsql;
    QPlainTextEdit* sqlvystupmemo;

signals:
    // The loans list is to show this statement.
    void filterRequested(const QString& sql);
    // A free statement ran; the loans list is to be read again.
    void statementRun();

private:
    void filter();
    void runStatement();

    Tdm& m_dm;
};
