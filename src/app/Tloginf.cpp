#include "Tloginf.h"

#include "Tdm.h"
#include "Users.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Tloginf::Tloginf(Tdm& dm, QWidget* parent) : QDialog(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("loginf"));
    setWindowTitle(QStringLiteral("login"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint);
    jmenole = new QLineEdit(this);
    jmenole->setObjectName(QStringLiteral("jmenole"));
    heslole = new QLineEdit(this);
    heslole->setObjectName(QStringLiteral("heslole"));
    heslole->setEchoMode(QLineEdit::Password);
    prihlasitb = new QPushButton(tr("přihlásit"), this);
    prihlasitb->setObjectName(QStringLiteral("prihlasitb"));
    prihlasitb->setAutoDefault(true);

    auto* form = new QFormLayout;
    auto* nameLabel = new QLabel(tr("&jméno:"), this);
    nameLabel->setObjectName(QStringLiteral("jmenol"));
    nameLabel->setBuddy(jmenole);
    auto* passwordLabel = new QLabel(tr("&heslo:"), this);
    passwordLabel->setObjectName(QStringLiteral("heslol"));
    passwordLabel->setBuddy(heslole);
    form->addRow(nameLabel, jmenole);
    form->addRow(passwordLabel, heslole);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(prihlasitb, 0, Qt::AlignRight);

    jmenole->installEventFilter(this);
    heslole->installEventFilter(this);
    connect(prihlasitb, &QPushButton::clicked, this, &Tloginf::prihlasitbClick);
    setFixedWidth(320);
}

bool Tloginf::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in a field only moves on to the button; a second Enter presses it.
    if (event->type() == QEvent::KeyPress && (watched == jmenole || watched == heslole)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            prihlasitb->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool Tloginf::loggedIn() const
{
    return Users::loginMatches(m_dm.globals(), jmenole->text(), heslole->text());
}

void Tloginf::prihlasitbClick()
{
    jmenole->setText(jmenole->text().trimmed());
    heslole->setText(heslole->text().trimmed());
    if (jmenole->text().isEmpty())
        return;
    m_dm.globals() = Users::getglobals(&m_dm.db(), m_dm.globals(), jmenole->text());
    if (loggedIn()) {
        accept();
        return;
    }
    m_dm.dialogs().error(m_dm.lex(52), m_dm.lex(51));
    jmenole->setFocus();
}
