#include "SettingsPages.h"

#include "ColorSwatch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("SettingsPages", text);
}

template <typename T> T* named(QWidget* parent, const char* name)
{
    auto* w = new T(parent);
    w->setObjectName(QLatin1String(name));
    return w;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const char* text)
{
    auto* box = named<QCheckBox>(parent, name);
    box->setText(tr(text));
    return box;
}

// A form row whose label is the field's buddy, so Alt+letter and screen readers reach the field.
void addRow(QFormLayout* form, QWidget* field, const char* labelName, const char* text)
{
    auto* label = new QLabel(tr(text), field->parentWidget());
    label->setObjectName(QLatin1String(labelName));
    label->setBuddy(field);
    form->addRow(label, field);
}

QWidget* page(QTabWidget* tabs, const char* name, const char* title)
{
    auto* w = named<QWidget>(tabs, name);
    tabs->addTab(w, tr(title));
    return w;
}

} // namespace

SettingsPages::SettingsPages(QTabWidget* t) : tabs(t)
{
    tabs->setObjectName(QStringLiteral("nastavenizjvpc"));
    zakladnits = page(tabs, "zakladnits", "základní");
    ciselneradts = page(tabs, "ciselneradts", "číselné řady");
    doplnovanits = page(tabs, "doplnovanits", "automatické doplňování");
    ostatnits = page(tabs, "ostatnits", "ostatní");
    barvyts = page(tabs, "barvyts", "barvy");
    usersts = page(tabs, "usersts", "správa uživatelů");
    languagets = page(tabs, "languagets", "nastavení jazyka");
    buildBasic();
    buildNumbering();
    buildAutofill();
    buildColours();
    buildUsers();
    buildLanguage();
}

void SettingsPages::buildBasic()
{
    QWidget* p = zakladnits;
    nastavenidbb = named<QPushButton>(p, "nastavenidbb");
    nastavenidbb->setText(tr("nastavení připojení a výběr databáze"));
    newverchb = checkBox(p, "newverchb", "povolit zjišťování nových verzí");
    setuptodbchb = checkBox(p, "setuptodbchb", "ukládat nastavení do databáze");
    setupfromdbchb = checkBox(p, "setupfromdbchb", "načítat nastavení z databáze");
    reportstodbchb = checkBox(p, "reportstodbchb", "ukládat tiskové sestavy do databáze");
    reportsfromdbchb = checkBox(p, "reportsfromdbchb", "načítat tiskové sestavy z databáze");
    nazevfirmyle = named<QLineEdit>(p, "nazevfirmyle");
    adresafirmyle = named<QLineEdit>(p, "adresafirmyle");
    provozovnale = named<QLineEdit>(p, "provozovnale");
    defaultborrowdaysjvs = named<QDoubleSpinBox>(p, "defaultborrowdaysjvs");
    defaultborrowdaysjvs->setRange(0, 36500);
    defaultborrowdaysjvs->setDecimals(2);
    defaultborrowdayschb = checkBox(p, "defaultborrowdayschb", "u nové zápůjčky nastavit výchozí dobu zápůjčky");
    pracovnicim = named<QPlainTextEdit>(p, "pracovnicim");
    pracovnicim->setTabChangesFocus(true);

    auto* database = named<QGroupBox>(p, "databazegb");
    database->setTitle(tr("databáze"));
    auto* dbLayout = new QVBoxLayout(database);
    dbLayout->addWidget(nastavenidbb, 0, Qt::AlignLeft);
    for (QCheckBox* box : {setuptodbchb, setupfromdbchb, reportstodbchb, reportsfromdbchb})
        dbLayout->addWidget(box);

    auto* form = new QFormLayout;
    addRow(form, nazevfirmyle, "nazevfirmyl", "název f&irmy:");
    addRow(form, adresafirmyle, "adresafirmyl", "&adresa firmy/ provozovny, ičo apod.:");
    addRow(form, provozovnale, "provozovnal", "označení &provozovny:");
    addRow(form, defaultborrowdaysjvs, "defaultborrowdaysl", "výchozí &doba zápůjčky:");
    form->addRow(defaultborrowdayschb);
    form->addRow(newverchb);

    auto* staffLabel = new QLabel(tr("pra&covníci:"), p);
    staffLabel->setObjectName(QStringLiteral("pracovnicil"));
    staffLabel->setBuddy(pracovnicim);

    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(database);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(staffLabel);
    right->addWidget(pracovnicim);
    auto* layout = new QHBoxLayout(p);
    layout->addLayout(left, 3);
    layout->addLayout(right, 2);
}

void SettingsPages::buildNumbering()
{
    QWidget* p = ciselneradts;
    ciselnaradale = named<QLineEdit>(p, "ciselnaradale");
    vlastnipocitadlochb = checkBox(p, "vlastnipocitadlochb", "použít vlastní počítadlo místo hodnoty čísla zakázky");
    vlastnipocitadlospine = named<QSpinBox>(p, "vlastnipocitadlospine");
    vlastnipocitadlospine->setRange(0, 2147483647);
    vlastnipocitadlob = named<QPushButton>(p, "vlastnipocitadlob");
    vlastnipocitadlob->setText(tr("nastavit vlastní počítadlo"));

    // "instead of the plain loan number use: [prefix] + plain order number"
    auto* instead = new QLabel(tr("místo jednoduchého čísla zápůjčky použít"), p);
    instead->setObjectName(QStringLiteral("mistojednoduchehol"));
    auto* prefixLabel = new QLabel(tr("vlastní &začátek číselné řady (např. rok, středisko apod.)"), p);
    prefixLabel->setObjectName(QStringLiteral("ciselnaradal"));
    prefixLabel->setBuddy(ciselnaradale);
    auto* plus = new QLabel(QStringLiteral("+"), p);
    plus->setObjectName(QStringLiteral("plusl"));
    auto* plain = new QLabel(tr("jednoduché číslo zakázky"), p);
    plain->setObjectName(QStringLiteral("jednoduchecislol"));
    auto* prefixRow = new QHBoxLayout;
    prefixRow->addWidget(ciselnaradale);
    prefixRow->addWidget(plus);
    prefixRow->addWidget(plain);
    prefixRow->addStretch();

    auto* counterRow = new QHBoxLayout;
    counterRow->addWidget(vlastnipocitadlospine);
    counterRow->addWidget(vlastnipocitadlob);
    counterRow->addStretch();
    auto* counterLabel = new QLabel(tr("vlastní &počítadlo:"), p);
    counterLabel->setObjectName(QStringLiteral("vlastnipocitadlol"));
    counterLabel->setBuddy(vlastnipocitadlospine);

    auto* layout = new QVBoxLayout(p);
    layout->addWidget(instead);
    layout->addWidget(prefixLabel);
    layout->addLayout(prefixRow);
    layout->addWidget(vlastnipocitadlochb);
    layout->addWidget(counterLabel);
    layout->addLayout(counterRow);
    layout->addStretch();
}

void SettingsPages::buildAutofill()
{
    QWidget* p = doplnovanits;
    statusbeforezchb = checkBox(p, "statusbeforezchb", "celkový stav před zapůjčením");
    statusafterzchb = checkBox(p, "statusafterzchb", "celkový stav po zapůjčení");
    auto* layout = new QVBoxLayout(p);
    layout->addWidget(statusbeforezchb);
    layout->addWidget(statusafterzchb);
    layout->addStretch();
}

void SettingsPages::buildColours()
{
    QWidget* p = barvyts;
    static const char* const swatchNames[8] = {"zapnuladnus",  "zapjednadnus", "zapdvadnus",  "zaptridnus",
                                               "zapctyridnus", "zappetdnus",   "zapsestdnus", "zapvracenes"};
    static const char* const spinNames[6] = {"zapdnu0spine", "zapdnu1spine", "zapdnu2spine",
                                             "zapdnu3spine", "zapdnu4spine", "zapdnu5spine"};
    auto* grid = new QGridLayout;
    auto* intro = new QLabel(tr("barvy zápůjček dle dnů zbývajících do vrácení zápůjčky:"), p);
    intro->setObjectName(QStringLiteral("barvyl"));
    intro->setWordWrap(true);
    for (int i = 0; i < 8; ++i) {
        swatches[i] = new ColorSwatch(QLatin1String(swatchNames[i]), p);
        QLabel* label = nullptr;
        if (i < 6) {
            zapdnuspine[i] = named<QSpinBox>(p, spinNames[i]);
            zapdnuspine[i]->setRange(-100000, 100000);
            label = new QLabel(QStringLiteral("<="), p);
            label->setBuddy(zapdnuspine[i]);
            zapdnuspine[i]->setAccessibleName(tr("nejvýše dní do vrácení"));
            swatches[i]->setAccessibleName(tr("barva: nejvýše dní do vrácení"));
            grid->addWidget(zapdnuspine[i], i, 1);
        } else if (i == 6) {
            label = new QLabel(QStringLiteral(">"), p);
            swatches[i]->setAccessibleName(tr("barva: více dní do vrácení"));
        } else {
            label = new QLabel(tr("vrácené"), p);
            swatches[i]->setAccessibleName(tr("barva: vrácené"));
        }
        label->setObjectName(QLatin1String(swatchNames[i]) + QStringLiteral("l"));
        grid->addWidget(label, i, 0);
        grid->addWidget(swatches[i], i, 2);
    }
    grid->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(p);
    layout->addWidget(intro);
    layout->addLayout(grid);
    layout->addStretch();
}

void SettingsPages::buildUsers()
{
    QWidget* p = usersts;
    userschb = checkBox(p, "userschb", "zapnout správu uživatelů");
    pamatovatloginchb = checkBox(p, "pamatovatloginchb", "pamatovat si přihlašovací údaje");
    usernamele = named<QLineEdit>(p, "usernamele");
    userpwle = named<QLineEdit>(p, "userpwle");
    firstnamele = named<QLineEdit>(p, "firstnamele");
    lastnamele = named<QLineEdit>(p, "lastnamele");
    phonele = named<QLineEdit>(p, "phonele");
    emaille = named<QLineEdit>(p, "emaille");
    typecb = named<QComboBox>(p, "typecb");
    typecb->addItems({QStringLiteral("administrator"), QStringLiteral("user"), QStringLiteral("user readonly")});
    typecb->setCurrentIndex(-1);
    uzidl = named<QLabel>(p, "uzidl");
    uzidl->setText(QStringLiteral("uzidl"));
    uzidl->hide();
    adduserb = named<QPushButton>(p, "adduserb");
    adduserb->setText(tr("přidat"));
    stornouserb = named<QPushButton>(p, "stornouserb");
    stornouserb->setText(tr("storno"));
    stornouserb->hide();
    usersdbgrid = named<QTableView>(p, "usersdbgrid");
    usersdbgrid->setAccessibleName(tr("uživatelé"));
    usersdbgrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    usersdbgrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    usersdbgrid->setSelectionMode(QAbstractItemView::SingleSelection);
    usersdbgrid->verticalHeader()->hide();
    usersdbgrid->verticalHeader()->setDefaultSectionSize(usersdbgrid->fontMetrics().height() + 6);

    auto* form = new QFormLayout;
    addRow(form, usernamele, "usernamel", "&uživatelské jméno:");
    addRow(form, userpwle, "userpwl", "&heslo:");
    addRow(form, firstnamele, "firstnamel", "&jméno:");
    addRow(form, lastnamele, "lastnamel", "&příjmení:");
    addRow(form, phonele, "phonel", "&telefon:");
    addRow(form, emaille, "emaill", "&email:");
    addRow(form, typecb, "typel", "t&yp:");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(adduserb);
    buttons->addWidget(stornouserb);
    buttons->addStretch();
    form->addRow(buttons);

    auto* left = new QVBoxLayout;
    left->addWidget(userschb);
    left->addWidget(pamatovatloginchb);
    left->addLayout(form);
    left->addWidget(uzidl);
    left->addStretch();
    auto* layout = new QHBoxLayout(p);
    layout->addLayout(left, 2);
    layout->addWidget(usersdbgrid, 3);
}

void SettingsPages::buildLanguage()
{
    QWidget* p = languagets;
    auto* label = new QLabel(tr("výběr a nastavení jazyka programu:"), p);
    label->setObjectName(QStringLiteral("LangFlagsCombo1l"));
    languagebox = named<QWidget>(p, "languagebox");
    new QVBoxLayout(languagebox);
    languagebox->layout()->setContentsMargins(0, 0, 0, 0);
    auto* layout = new QVBoxLayout(p);
    layout->addWidget(label);
    layout->addWidget(languagebox, 0, Qt::AlignLeft);
    layout->addStretch();
}
