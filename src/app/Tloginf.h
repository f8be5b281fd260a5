#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class Tdm;

// The login window. Closing it without a valid login means the program ends.
class Tloginf : public QDialog
{
    Q_OBJECT
public:
    explicit Tloginf(Tdm& dm, QWidget* parent = nullptr);

    QLineEdit* jmenole;
    QLineEdit* heslole;
    QPushButton* prihlasitb;

    // True when the fields hold a name and password that match the logged-in user.
    bool loggedIn() const;
    void prihlasitbClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Tdm& m_dm;
};
