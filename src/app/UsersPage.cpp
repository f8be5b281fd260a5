#include "UsersPage.h"

#include "SettingsPages.h"
#include "Tdm.h"
#include "Users.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>

namespace {

enum Column
{
    Username,
    Userpw,
    Firstname,
    Lastname,
    Usertype,
    Userid,
    Phone, // read for editing, not shown
    Email
};

// Passwords stay in the table as they are, but the grid shows only a mask.
class MaskedPasswords : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (index.column() == Userpw && (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)) {
            const QString pw = QIdentityProxyModel::data(index, Qt::DisplayRole).toString();
            return pw.isEmpty() ? QString() : QStringLiteral("••••••");
        }
        return QIdentityProxyModel::data(index, role);
    }
    // Layouts are stored under the field names, which do not change with the language.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role == Qt::UserRole && orientation == Qt::Horizontal) {
            if (const auto* query = qobject_cast<const QSqlQueryModel*>(sourceModel()))
                return query->record().fieldName(section);
        }
        return QIdentityProxyModel::headerData(section, orientation, role);
    }
};

} // namespace

UsersPage::UsersPage(Tdm& dm, SettingsPages& pages, QObject* parent)
    : QObject(parent), m_dm(dm), m_pages(pages), m_model(new QSqlQueryModel(this))
{
    m_model->setObjectName(QStringLiteral("uzivateletable"));
    auto* proxy = new MaskedPasswords(this);
    proxy->setSourceModel(m_model);
    m_pages.usersdbgrid->setModel(proxy);
    connect(m_pages.usersdbgrid, &QTableView::doubleClicked, this, &UsersPage::editCurrent);
    connect(m_pages.adduserb, &QPushButton::clicked, this, &UsersPage::adduserbClick);
    connect(m_pages.stornouserb, &QPushButton::clicked, this, &UsersPage::stornouserbClick);
    connect(m_pages.pamatovatloginchb, &QCheckBox::clicked, this, &UsersPage::rememberLoginToggled);
    connect(&m_dm.language(), &LanguageEngine::languageChanged, this, &UsersPage::retitle);
}

void UsersPage::reload(qint64 userid)
{
    if (!m_dm.db().isOpen())
        return;
    m_model->setQuery(QStringLiteral("select username,userpw,firstname,lastname,usertype,userid,phone,email from users "
                                     "order by userid"),
                      m_dm.db().connection());
    while (m_model->canFetchMore())
        m_model->fetchMore();
    retitle();
    for (int hidden : {Userid, Phone, Email})
        m_pages.usersdbgrid->setColumnHidden(hidden, true);
    if (!m_fitted) {
        // A stored layout, applied when the window is first shown, takes over from this.
        m_pages.usersdbgrid->resizeColumnsToContents();
        m_fitted = true;
    }
    int row = m_model->rowCount() - 1;
    for (int r = 0; userid >= 0 && r < m_model->rowCount(); ++r) {
        if (m_model->record(r).value(Userid).toLongLong() == userid)
            row = r;
    }
    if (row >= 0)
        m_pages.usersdbgrid->setCurrentIndex(m_pages.usersdbgrid->model()->index(row, Username));
}

void UsersPage::retitle()
{
    static const char* const titles[] = {QT_TRANSLATE_NOOP("UsersPage", "uživatelské jméno"),
                                         QT_TRANSLATE_NOOP("UsersPage", "heslo"),
                                         QT_TRANSLATE_NOOP("UsersPage", "jméno"),
                                         QT_TRANSLATE_NOOP("UsersPage", "příjmení"),
                                         QT_TRANSLATE_NOOP("UsersPage", "typ uživatele"),
                                         "userid"};
    for (int i = 0; i < 6; ++i)
        m_model->setHeaderData(i, Qt::Horizontal, tr(titles[i]));
}

void UsersPage::editCurrent()
{
    if (m_model->rowCount() == 0)
        return;
    const QModelIndex current = m_pages.usersdbgrid->currentIndex();
    const QSqlRecord r = m_model->record(current.isValid() ? current.row() : 0);
    m_pages.usernamele->setText(r.value(Username).toString());
    m_pages.userpwle->setText(r.value(Userpw).toString());
    m_pages.firstnamele->setText(r.value(Firstname).toString());
    m_pages.lastnamele->setText(r.value(Lastname).toString());
    m_pages.phonele->setText(r.value(Phone).toString());
    m_pages.emaille->setText(r.value(Email).toString());
    m_pages.typecb->setCurrentIndex(m_pages.typecb->findText(r.value(Usertype).toString()));
    m_pages.uzidl->setText(r.value(Userid).toString());
    m_pages.stornouserb->show();
    m_pages.adduserb->setText(tr("aktualizovat"));
}

void UsersPage::clearFields()
{
    for (QLineEdit* field : {m_pages.usernamele, m_pages.userpwle, m_pages.firstnamele, m_pages.lastnamele,
                             m_pages.phonele, m_pages.emaille})
        field->clear();
    m_pages.typecb->setCurrentIndex(-1);
}

void UsersPage::adduserbClick()
{
    const Users::UserFields fields{m_pages.usernamele->text(),    m_pages.userpwle->text(),
                                   m_pages.typecb->currentText(), m_pages.firstnamele->text(),
                                   m_pages.lastnamele->text(),    m_pages.phonele->text(),
                                   m_pages.emaille->text()};
    if (const int missing = Users::missingField(fields)) {
        m_dm.dialogs().error(m_dm.lex(Lexicon::Error), m_dm.lex(missing));
        QWidget* focus = missing == 55   ? static_cast<QWidget*>(m_pages.usernamele)
                         : missing == 56 ? static_cast<QWidget*>(m_pages.userpwle)
                                         : static_cast<QWidget*>(m_pages.typecb);
        focus->setFocus();
        return;
    }
    bool editing = false;
    const qint64 userid = m_pages.uzidl->text().toLongLong(&editing);
    try {
        if (editing) {
            Users::updateUser(m_dm.db(), userid, fields);
            reload(userid);
        } else {
            reload(Users::addUser(m_dm.db(), fields));
        }
    } catch (const DbError& e) {
        m_dm.showError(e);
        return;
    }
    clearFields();
    m_pages.stornouserb->hide();
    m_pages.adduserb->setText(tr("přidat"));
    m_pages.uzidl->setText(QStringLiteral("uzidl"));
}

void UsersPage::stornouserbClick()
{
    clearFields();
}

void UsersPage::rememberLoginToggled(bool checked)
{
    if (checked && !m_dm.dialogs().ask(m_dm.lex(Lexicon::Warning), m_dm.lex(167), Dialogs::Icon::Warning))
        m_pages.pamatovatloginchb->setChecked(false);
}
