#include "SettingsBinding.h"

#include "ColorSwatch.h"
#include "ExtraSettings.h"
#include "MainSettings.h"
#include "SettingsPages.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>

namespace SettingsBinding {

namespace {

// The rows that pair a check box with a boolean member; the rest are few enough to write out.
template <class S> struct Check
{
    QCheckBox* SettingsPages::*box;
    bool S::*member;
};

const Check<MainSettings> mainChecks[] = {
    {&SettingsPages::userschb, &MainSettings::users},
    {&SettingsPages::newverchb, &MainSettings::newverchb},
    {&SettingsPages::defaultborrowdayschb, &MainSettings::defaultborrowdayschb},
    {&SettingsPages::statusbeforezchb, &MainSettings::statusbeforezchb},
    {&SettingsPages::statusafterzchb, &MainSettings::statusafterzchb},
    {&SettingsPages::vlastnipocitadlochb, &MainSettings::vlastnipocitadlochb},
    {&SettingsPages::pamatovatloginchb, &MainSettings::pamatovatloginchb},
};

const Check<ExtraSettings> extraChecks[] = {
    {&SettingsPages::setuptodbchb, &ExtraSettings::setuptodbchb},
    {&SettingsPages::setupfromdbchb, &ExtraSettings::setupfromdbchb},
    {&SettingsPages::reportstodbchb, &ExtraSettings::reportstodbchb},
    {&SettingsPages::reportsfromdbchb, &ExtraSettings::reportsfromdbchb},
};

unsigned MainSettings::*const colours[8] = {
    &MainSettings::zapnuladnus,  &MainSettings::zapjednadnus, &MainSettings::zapdvadnus,  &MainSettings::zaptridnus,
    &MainSettings::zapctyridnus, &MainSettings::zappetdnus,   &MainSettings::zapsestdnus, &MainSettings::zapvracenes};

int MainSettings::*const thresholds[6] = {&MainSettings::zapdnu0spine, &MainSettings::zapdnu1spine,
                                          &MainSettings::zapdnu2spine, &MainSettings::zapdnu3spine,
                                          &MainSettings::zapdnu4spine, &MainSettings::zapdnu5spine};

} // namespace

void toControls(const MainSettings& s, SettingsPages& p)
{
    for (const auto& c : mainChecks)
        (p.*c.box)->setChecked(s.*c.member);
    for (int i = 0; i < 6; ++i)
        p.zapdnuspine[i]->setValue(s.*thresholds[i]);
    for (int i = 0; i < 8; ++i)
        p.swatches[i]->setBgr(s.*colours[i]);
    p.defaultborrowdaysjvs->setValue(s.defaultborrowdaysjvs);
    p.ciselnaradale->setText(s.ciselnaradale);
    p.nazevfirmyle->setText(s.nazevfirmy);
    p.adresafirmyle->setText(s.adresafirmy);
    p.provozovnale->setText(s.provozovnale);
}

void fromControls(const SettingsPages& p, MainSettings& s)
{
    for (const auto& c : mainChecks)
        s.*c.member = (p.*c.box)->isChecked();
    for (int i = 0; i < 6; ++i)
        s.*thresholds[i] = p.zapdnuspine[i]->value();
    for (int i = 0; i < 8; ++i)
        s.*colours[i] = p.swatches[i]->bgr();
    s.defaultborrowdaysjvs = p.defaultborrowdaysjvs->value();
    s.ciselnaradale = p.ciselnaradale->text();
    s.nazevfirmy = p.nazevfirmyle->text();
    s.adresafirmy = p.adresafirmyle->text();
    s.provozovnale = p.provozovnale->text();
}

void toControls(const ExtraSettings& s, SettingsPages& p)
{
    for (const auto& c : extraChecks)
        (p.*c.box)->setChecked(s.*c.member);
}

void fromControls(const SettingsPages& p, ExtraSettings& s)
{
    for (const auto& c : extraChecks)
        s.*c.member = (p.*c.box)->isChecked();
}

} // namespace SettingsBinding
