#pragma once

#include <QObject>
#include <array>

class ColorSwatch;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;
class QWidget;

// The settings pages of the main window and their controls. The controls carry the names of the settings
// keys they hold, so the language files and the tests find them by object name.
struct SettingsPages
{
    explicit SettingsPages(QTabWidget* tabs);

    QTabWidget* tabs;
    QWidget* zakladnits;
    QWidget* ciselneradts;
    QWidget* doplnovanits;
    QWidget* ostatnits;
    QWidget* barvyts;
    QWidget* usersts;
    QWidget* languagets;

    // "základní"
    QPushButton* nastavenidbb;
    QCheckBox* newverchb;
    QCheckBox* setuptodbchb;
    QCheckBox* setupfromdbchb;
    QCheckBox* reportstodbchb;
    QCheckBox* reportsfromdbchb;
    QLineEdit* nazevfirmyle;
    QLineEdit* adresafirmyle;
    QLineEdit* provozovnale;
    QDoubleSpinBox* defaultborrowdaysjvs;
    QCheckBox* defaultborrowdayschb;
    QPlainTextEdit* pracovnicim;

    // "číselné řady"
    QLineEdit* ciselnaradale;
    QCheckBox* vlastnipocitadlochb;
    QSpinBox* vlastnipocitadlospine;
    QPushButton* vlastnipocitadlob;

    // "automatické doplňování"
    QCheckBox* statusbeforezchb;
    QCheckBox* statusafterzchb;

    // "barvy": thresholds of bands 0 to 5, colours of bands 0 to 6 and of returned loans
    std::array<QSpinBox*, 6> zapdnuspine;
    std::array<ColorSwatch*, 8> swatches;

    // "správa uživatelů"
    QCheckBox* userschb;
    QCheckBox* pamatovatloginchb;
    QLineEdit* usernamele;
    QLineEdit* userpwle;
    QLineEdit* firstnamele;
    QLineEdit* lastnamele;
    QLineEdit* phonele;
    QLineEdit* emaille;
    QComboBox* typecb;
    QLabel* uzidl;
    QPushButton* adduserb;
    QPushButton* stornouserb;
    QTableView* usersdbgrid;

    // "nastavení jazyka": the language list goes into this box
    QWidget* languagebox;

private:
    void buildBasic();
    void buildNumbering();
    void buildAutofill();
    void buildColours();
    void buildUsers();
    void buildLanguage();
};
