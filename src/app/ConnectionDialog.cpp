#include "ConnectionDialog.h"

#include "Database.h"
#include "Tdm.h"
#include "UdlFile.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QUuid>
#include <QVBoxLayout>

ConnectionDialog::ConnectionDialog(const QString& udlFile, QWidget* parent) : QDialog(parent), m_udlFile(udlFile)
{
    setObjectName(QStringLiteral("connectiondialog"));
    setWindowTitle(tr("nastavení připojení a výběr databáze"));

    m_engine = new QComboBox(this);
    m_engine->setObjectName(QStringLiteral("enginecb"));
    m_engine->addItem(tr("vestavěná databáze (SQLite, jedna pracovní stanice)"), int(ConnectionInfo::Engine::SQLite));
    m_engine->addItem(tr("databázový server (PostgreSQL, více pracovních stanic)"),
                      int(ConnectionInfo::Engine::PostgreSQL));

    m_pages = new QStackedWidget(this);
    auto* sqlitePage = new QWidget(m_pages);
    auto* sqliteForm = new QFormLayout(sqlitePage);
    sqliteForm->setContentsMargins(0, 0, 0, 0);
    m_folder = new QLineEdit(sqlitePage);
    m_folder->setObjectName(QStringLiteral("folderle"));
    m_folder->setPlaceholderText(tr("složka programu"));
    auto* browse = new QToolButton(sqlitePage);
    browse->setText(QStringLiteral("..."));
    browse->setAccessibleName(tr("vybrat složku"));
    connect(browse, &QToolButton::clicked, this, [this] {
        const QString dir = Tdm::instance().dialogs().existingFolder(tr("složka s databázemi"), m_folder->text());
        if (!dir.isEmpty())
            m_folder->setText(dir);
    });
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder);
    folderRow->addWidget(browse);
    auto* folderLabel = new QLabel(tr("&složka s databázemi:"), sqlitePage);
    folderLabel->setBuddy(m_folder);
    sqliteForm->addRow(folderLabel, folderRow);
    m_pages->addWidget(sqlitePage);

    auto* serverPage = new QWidget(m_pages);
    auto* serverForm = new QFormLayout(serverPage);
    serverForm->setContentsMargins(0, 0, 0, 0);
    m_host = new QLineEdit(serverPage);
    m_host->setObjectName(QStringLiteral("hostle"));
    m_port = new QSpinBox(serverPage);
    m_port->setObjectName(QStringLiteral("portspine"));
    m_port->setRange(1, 65535);
    m_port->setValue(5432);
    m_user = new QLineEdit(serverPage);
    m_user->setObjectName(QStringLiteral("userle"));
    m_password = new QLineEdit(serverPage);
    m_password->setObjectName(QStringLiteral("passwordle"));
    m_password->setEchoMode(QLineEdit::Password);
    const QList<QPair<QString, QWidget*>> rows = {
        {tr("&server:"), m_host}, {tr("&port:"), m_port}, {tr("&uživatel:"), m_user}, {tr("&heslo:"), m_password}};
    for (const auto& [text, widget] : rows) {
        auto* label = new QLabel(text, serverPage);
        label->setBuddy(widget);
        serverForm->addRow(label, widget);
    }
    m_pages->addWidget(serverPage);

    m_database = new QLineEdit(this);
    m_database->setObjectName(QStringLiteral("databasele"));
    m_database->setPlaceholderText(QStringLiteral("vornik1"));

    auto* form = new QFormLayout;
    auto* engineLabel = new QLabel(tr("&typ databáze:"), this);
    engineLabel->setBuddy(m_engine);
    form->addRow(engineLabel, m_engine);
    form->addRow(m_pages);
    auto* databaseLabel = new QLabel(tr("&databáze:"), this);
    databaseLabel->setBuddy(m_database);
    form->addRow(databaseLabel, m_database);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("statusl"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* test = buttons->addButton(tr("&otestovat připojení"), QDialogButtonBox::ActionRole);
    test->setObjectName(QStringLiteral("testb"));
    connect(test, &QPushButton::clicked, this, &ConnectionDialog::testConnection);
    connect(buttons, &QDialogButtonBox::accepted, this, &ConnectionDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ConnectionDialog::reject);
    connect(m_engine, &QComboBox::currentIndexChanged, this, &ConnectionDialog::updateEngine);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_status);
    layout->addStretch();
    layout->addWidget(buttons);

    ConnectionInfo info;
    if (!ConnectionInfo::parse(UdlFile::getconnectionstringfromudl(udlFile), &info, nullptr))
        info = ConnectionInfo();
    setConnectionInfo(info);
    resize(520, sizeHint().height());
}

void ConnectionDialog::updateEngine()
{
    m_pages->setCurrentIndex(m_engine->currentIndex());
    m_status->clear();
}

void ConnectionDialog::setConnectionInfo(const ConnectionInfo& info)
{
    m_engine->setCurrentIndex(m_engine->findData(int(info.engine)));
    if (info.engine == ConnectionInfo::Engine::SQLite) {
        m_folder->setText(info.dataSource);
    } else {
        m_host->setText(info.dataSource);
        m_port->setValue(info.port > 0 ? info.port : 5432);
        m_user->setText(info.user);
        m_password->setText(info.password);
    }
    m_database->setText(info.catalog);
    updateEngine();
}

ConnectionInfo ConnectionDialog::connectionInfo() const
{
    ConnectionInfo info;
    info.engine = ConnectionInfo::Engine(m_engine->currentData().toInt());
    if (info.engine == ConnectionInfo::Engine::SQLite) {
        info.dataSource = m_folder->text().trimmed();
    } else {
        info.dataSource = m_host->text().trimmed();
        info.port = m_port->value();
        info.user = m_user->text().trimmed();
        info.password = m_password->text();
    }
    info.catalog = m_database->text().trimmed();
    return info;
}

QString ConnectionDialog::validationError() const
{
    const ConnectionInfo info = connectionInfo();
    if (!info.catalog.isEmpty() && !Database::isValidName(info.catalog))
        return tr("Název databáze smí obsahovat jen písmena, číslice, \"_\" a \"-\" a musí začínat písmenem.");
    if (info.engine == ConnectionInfo::Engine::PostgreSQL && info.dataSource.isEmpty())
        return tr("Zadejte server.");
    return {};
}

void ConnectionDialog::testConnection()
{
    const QString invalid = validationError();
    if (!invalid.isEmpty()) {
        m_status->setText(invalid);
        return;
    }
    m_status->setText(tr("připojuje se..."));
    m_status->repaint();
    Database probe(QStringLiteral("probe-") + QUuid::createUuid().toString(QUuid::WithoutBraces));
    try {
        probe.open(connectionInfo());
        m_status->setText(tr("Připojení je v pořádku (databáze %1).").arg(probe.currentDatabase()));
    } catch (const DbError& e) {
        m_status->setText(tr("Připojení se nezdařilo: %1").arg(e.message()));
    }
}

void ConnectionDialog::accept()
{
    const QString invalid = validationError();
    if (!invalid.isEmpty()) {
        m_status->setText(invalid);
        m_database->setFocus();
        return;
    }
    QString error;
    if (!UdlFile::write(m_udlFile, connectionInfo().toInitString(), &error)) {
        m_status->setText(tr("Soubor %1 nelze uložit: %2").arg(m_udlFile, error));
        return;
    }
    QDialog::accept();
}
