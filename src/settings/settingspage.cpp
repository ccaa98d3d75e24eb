#include "settings/settingspage.h"

#include "app/tform1.h"

namespace mirvel {

SettingsPage::SettingsPage(TForm1* form, QWidget* parent) : QWidget(parent), form_(form) {
  setObjectName(QStringLiteral("TSSettings"));
}

void SettingsPage::SetSoundFolder(const QString&) {}
void SettingsPage::CopyThresholdMirrors() {}
void SettingsPage::ShowSettingsPage() { form_->ShowPage(this); }
bool SettingsPage::AutoLogin() const {
  return form_->store().GetSetting(QStringLiteral("CHBLogin")) == QLatin1String("1");
}
void SettingsPage::RestoreProgramSettings() {}
void SettingsPage::ApplyProgramSettings() {}
void SettingsPage::SaveProgramSettings() {}
void SettingsPage::SaveUserSettings() {}
void SettingsPage::LoadUserSettings() {}
void SettingsPage::SaveExerciseLimits(int) {}
void SettingsPage::LoadExerciseLimits(int) {}

}  // namespace mirvel
