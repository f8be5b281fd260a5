#pragma once

#include <QObject>

class QSqlQueryModel;
struct SettingsPages;
class Tdm;

// The users page of the main window: the users grid, adding and editing users, the remember-login box.
class UsersPage : public QObject
{
    Q_OBJECT
public:
    UsersPage(Tdm& dm, SettingsPages& pages, QObject* parent = nullptr);

    // Reads the users table again and makes the row of the given user (or the last row) current.
    void reload(qint64 userid = -1);
    void editCurrent();
    void adduserbClick();
    void stornouserbClick();

private:
    void clearFields();
    void retitle();
    void rememberLoginToggled(bool checked);

    Tdm& m_dm;
    SettingsPages& m_pages;
    QSqlQueryModel* m_model;
    bool m_fitted = false;
};
