#pragma once

#include <QWidget>

namespace mirvel {

class TForm1;

// The settings page TSSettings with its centred panel PSettings, and the
// saving and restoring of program-wide, per-user and per-exercise settings.
class SettingsPage final : public QWidget {
  Q_OBJECT
 public:
  SettingsPage(TForm1* form, QWidget* parent);

  void SetSoundFolder(const QString& folder);
  // Creation step 7: SE1..SE4 copied into the mirrors their handlers compare against.
  void CopyThresholdMirrors();
  void ShowSettingsPage();
  bool AutoLogin() const;

  void RestoreProgramSettings();
  void ApplyProgramSettings();
  void SaveProgramSettings();
  void SaveUserSettings();
  void LoadUserSettings();
  void SaveExerciseLimits(int exam_no);
  void LoadExerciseLimits(int exam_no);

 private:
  TForm1* form_;
};

}  // namespace mirvel
