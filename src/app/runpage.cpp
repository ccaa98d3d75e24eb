#include "app/runpage.h"

#include "app/tform1.h"
#include "engine/exercisecatalog.h"

namespace mirvel {

RunPage::RunPage(TForm1* form, QWidget* parent) : QWidget(parent), form_(form) {
  setObjectName(QStringLiteral("TSRun"));
}

void RunPage::ChooseExercise(const TExam& exam) {
  form_->SetCurrentExam(exam.ExamNo);
  form_->ShowPage(this);
}

void RunPage::SetUserLabel(const QString&) {}
void RunPage::ResetRunDisplay() {}
void RunPage::KeepAllListsChecked() {}
void RunPage::StopAudio() {}
void RunPage::StopTimers() {}
void RunPage::StopRunForClose() { form_->SetRunning(false); }

}  // namespace mirvel
