// The controls and layout of the loan card.
#include "Tzapujckaf.h"

#include "DayNumberEdit.h"
#include "Tdm.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

template <typename T> T* named(QWidget* parent, const char* name)
{
    auto* w = new T(parent);
    w->setObjectName(QLatin1String(name));
    return w;
}

QDoubleSpinBox* amount(QWidget* parent, const char* name)
{
    auto* box = named<QDoubleSpinBox>(parent, name);
    box->setRange(-1e12, 1e12);
    box->setDecimals(2);
    box->setGroupSeparatorShown(true);
    return box;
}

QComboBox* editableCombo(QWidget* parent, const char* name)
{
    auto* box = named<QComboBox>(parent, name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QWidget* buddy)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setBuddy(buddy);
    return l;
}

} // namespace

void Tzapujckaf::build()
{
    cislozapujckyl = named<QLabel>(this, "cislozapujckyl");
    cislozapujckyl->setAlignment(Qt::AlignCenter);
    QFont big = cislozapujckyl->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    cislozapujckyl->setFont(big);
    cislozapujckyl->setAccessibleName(tr("číslo zápůjčky"));
    skutecnecislozapujckyl = named<QLabel>(this, "skutecnecislozapujckyl");
    skutecnecislozapujckyl->hide();
    m_numberBox = named<QWidget>(this, "cislozapujckypanel");
    m_numberBox->setAutoFillBackground(true);
    m_numberBox->setMinimumWidth(160);
    auto* numberLayout = new QVBoxLayout(m_numberBox);
    numberLayout->addWidget(cislozapujckyl);

    datefromzdtp = new DayNumberEdit(QStringLiteral("datefromzdtp"), this);
    datetozdtp = new DayNumberEdit(QStringLiteral("datetozdtp"), this);
    returnedzdtp = new DayNumberEdit(QStringLiteral("returnedzdtp"), this);
    m_datePopup = new QMenu(this);
    m_datePopup->setObjectName(QStringLiteral("zapdatumypopup"));
    m_datePopup->addAction(tr("vymazat"), this, &Tzapujckaf::vymazat1Click)->setObjectName(QStringLiteral("vymazat1"));
    m_datePopup->addAction(tr("nastavit aktuální"), this, &Tzapujckaf::nastavitaktuln1Click)
        ->setObjectName(QStringLiteral("nastavitaktuln1"));
    m_datePopup->addAction(tr("zadat ručně"), this, &Tzapujckaf::zadatrun1Click)
        ->setObjectName(QStringLiteral("zadatrun1"));
    for (DayNumberEdit* edit : {datefromzdtp, datetozdtp, returnedzdtp}) {
        edit->setToolTip(tr("pravé tl. myši - možnosti"));
        edit->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(edit, &DayNumberEdit::entered, this, &Tzapujckaf::setDateTarget);
        connect(edit, &QWidget::customContextMenuRequested, this, [this, edit](const QPoint& pos) {
            m_target = edit;
            m_datePopup->popup(edit->mapToGlobal(pos));
        });
        connect(edit, &QDateTimeEdit::dateTimeChanged, this, &Tzapujckaf::applyDateRule);
    }

    customerzle = named<QLineEdit>(this, "customerzle");
    customerzb = named<QPushButton>(this, "customerzb");
    customerzb->setText(QStringLiteral(".."));
    customerzb->setToolTip(tr("vybrat zákazníka z adresáře"));
    customerzbsb = named<QToolButton>(this, "customerzbsb");
    customerzbsb->setIcon(style()->standardIcon(QStyle::SP_DialogDiscardButton));
    customerzbsb->setToolTip(tr("zrušit přiřazení adresy"));
    customerzbsb->setAccessibleName(tr("zrušit přiřazení adresy"));
    connect(customerzbsb, &QToolButton::clicked, this, &Tzapujckaf::customerzbsbClick);
    connect(customerzb, &QPushButton::clicked, this, [this] {
        m_dm.dialogs().information(m_dm.lex(Lexicon::Information),
                                   tr("Adresář zatím není k dispozici; zákazníka zapište do pole vlevo."));
    });

    advancezjvs = amount(this, "advancezjvs");
    pricezjvs = amount(this, "pricezjvs");
    mileage0zjvs = amount(this, "mileage0zjvs");
    mileagezjvs = amount(this, "mileagezjvs");
    accessorieszle = named<QLineEdit>(this, "accessorieszle");
    statusbeforezcb = editableCombo(this, "statusbeforezcb");
    statusafterzcb = editableCombo(this, "statusafterzcb");
    person1zcb = editableCombo(this, "person1zcb");
    person2zcb = editableCombo(this, "person2zcb");
    notezm = named<QPlainTextEdit>(this, "notezm");
    notezm->setTabChangesFocus(true);
    notezm->setMaximumHeight(90);
    logre = named<QPlainTextEdit>(this, "logre");
    logre->hide();

    m_items = new QSqlQueryModel(this);
    borrowedthingsgrid = named<QTableView>(this, "borrowedthingsgrid");
    borrowedthingsgrid->setModel(m_items);
    borrowedthingsgrid->setAccessibleName(tr("zapůjčené věci"));
    borrowedthingsgrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    borrowedthingsgrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    borrowedthingsgrid->verticalHeader()->hide();
    borrowedthingsgrid->horizontalHeader()->setStretchLastSection(true);
    borrowedthingsb = named<QPushButton>(this, "borrowedthingsb");
    borrowedthingsb->setText(tr("zapůjčené věci"));
    borrowedthingsb->setEnabled(false); // items come with the devices register

    prilohazaimage = named<QToolButton>(this, "prilohazaimage");
    prilohazaimage->setIcon(style()->standardIcon(QStyle::SP_DirIcon));
    prilohazaimage->setToolTip(tr("přílohy k zápůjčce"));
    prilohazaimage->setAccessibleName(tr("přílohy k zápůjčce"));
    prilohazaimage->setEnabled(false);
    zaplistb = named<QPushButton>(this, "zaplistb");
    zaplistb->setText(tr("zápůjční list"));
    zaplistb->setEnabled(false);
    zapprotokol = named<QPushButton>(this, "zapprotokol");
    zapprotokol->setText(tr("zápůjční protokol"));
    zapprotokol->setEnabled(false);
    ulozitazavritzb = named<QPushButton>(this, "ulozitazavritzb");
    ulozitazavritzb->setText(tr("uložit a zavřít"));
    ulozitazavritzb->setAutoDefault(false);
    connect(ulozitazavritzb, &QPushButton::clicked, this, &Tzapujckaf::ulozitazavritzbClick);
    zapujckasb = named<QStatusBar>(this, "zapujckasb");
    zapujckasb->setSizeGripEnabled(false);
    zapujckasb->setAccessibleName(tr("stavový řádek"));

    auto* grid = new QGridLayout;
    int row = 0;
    grid->addWidget(label(this, "datefroml", tr("zapůjčeno &od"), datefromzdtp), row, 0);
    grid->addWidget(datefromzdtp, row, 1);
    grid->addWidget(label(this, "datetol", tr("zapůjčeno &do"), datetozdtp), row, 2);
    grid->addWidget(datetozdtp, row, 3);
    grid->addWidget(label(this, "returnedl", tr("&vráceno"), returnedzdtp), row, 4);
    grid->addWidget(returnedzdtp, row, 5);
    ++row;
    auto* customerRow = new QHBoxLayout;
    customerRow->addWidget(customerzle, 1);
    customerRow->addWidget(customerzb);
    customerRow->addWidget(customerzbsb);
    grid->addWidget(label(this, "customerl", tr("&zákazník, jméno, označení..."), customerzle), row, 0);
    grid->addLayout(customerRow, row, 1, 1, 5);
    ++row;
    grid->addWidget(label(this, "advancel", tr("zá&loha"), advancezjvs), row, 0);
    grid->addWidget(advancezjvs, row, 1);
    grid->addWidget(label(this, "pricel", tr("&cena za zapůjčení"), pricezjvs), row, 2);
    grid->addWidget(pricezjvs, row, 3);
    ++row;
    grid->addWidget(label(this, "accessoriesl", tr("&příslušenství"), accessorieszle), row, 0);
    grid->addWidget(accessorieszle, row, 1, 1, 5);
    ++row;
    grid->addWidget(label(this, "statusbeforel", tr("celkový &stav před zapůjčením"), statusbeforezcb), row, 0);
    grid->addWidget(statusbeforezcb, row, 1);
    grid->addWidget(label(this, "mileage0l", tr("najeto [mth,km...]"), mileage0zjvs), row, 2);
    grid->addWidget(mileage0zjvs, row, 3);
    grid->addWidget(label(this, "person1l", tr("vyd&al"), person1zcb), row, 4);
    grid->addWidget(person1zcb, row, 5);
    ++row;
    grid->addWidget(label(this, "statusafterl", tr("celkový stav po vr&ácení"), statusafterzcb), row, 0);
    grid->addWidget(statusafterzcb, row, 1);
    grid->addWidget(label(this, "mileagel", tr("najeto [mth,km...]"), mileagezjvs), row, 2);
    grid->addWidget(mileagezjvs, row, 3);
    grid->addWidget(label(this, "person2l", tr("př&ijal"), person2zcb), row, 4);
    grid->addWidget(person2zcb, row, 5);
    ++row;
    grid->addWidget(label(this, "notel", tr("poz&námky:"), notezm), row, 0, Qt::AlignTop);
    grid->addWidget(notezm, row, 1, 1, 5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(5, 1);

    auto* top = new QHBoxLayout;
    top->addLayout(grid, 1);
    top->addWidget(m_numberBox, 0, Qt::AlignTop);

    auto* itemsRow = new QHBoxLayout;
    itemsRow->addWidget(borrowedthingsb, 0, Qt::AlignTop);
    itemsRow->addWidget(borrowedthingsgrid, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(prilohazaimage);
    buttons->addWidget(zaplistb);
    buttons->addWidget(zapprotokol);
    buttons->addStretch();
    buttons->addWidget(ulozitazavritzb);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(itemsRow, 1);
    layout->addLayout(buttons);
    layout->addWidget(zapujckasb);
    layout->addWidget(skutecnecislozapujckyl);
    layout->addWidget(logre);
    resize(900, 560);
}
