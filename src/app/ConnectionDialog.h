#pragma once

#include "ConnectionInfo.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QStackedWidget;

// Our editor of the connection file: engine, where the data is, database, login, and a connection test.
class ConnectionDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ConnectionDialog(const QString& udlFile, QWidget* parent = nullptr);

    ConnectionInfo connectionInfo() const;
    void setConnectionInfo(const ConnectionInfo& info);
    // Checks the fields; an empty text when they are fine.
    QString validationError() const;

public slots:
    void accept() override;
    void testConnection();

private:
    void updateEngine();

    QString m_udlFile;
    QComboBox* m_engine;
    QStackedWidget* m_pages;
    QLineEdit* m_folder;
    QLineEdit* m_host;
    QSpinBox* m_port;
    QLineEdit* m_user;
    QLineEdit* m_password;
    QLineEdit* m_database;
    QLabel* m_status;
};
