#pragma once

struct ExtraSettings;
struct MainSettings;
struct SettingsPages;

// Settings live in the controls of the settings pages while the program runs: filled at start, read back
// at close.
namespace SettingsBinding {

void toControls(const MainSettings& settings, SettingsPages& pages);
void fromControls(const SettingsPages& pages, MainSettings& settings);
void toControls(const ExtraSettings& settings, SettingsPages& pages);
void fromControls(const SettingsPages& pages, ExtraSettings& settings);

} // namespace SettingsBinding
