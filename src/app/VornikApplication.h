#pragma once

#include <QApplication>

// The application object. A failure that no handler caught ends the action where it arose and is shown by
// the general error report; the program keeps running.
class VornikApplication : public QApplication
{
    Q_OBJECT
public:
    VornikApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
