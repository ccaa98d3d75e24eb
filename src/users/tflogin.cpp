#include "users/tflogin.h"

#include "app/tform1.h"

namespace mirvel {

TFLogin::TFLogin(TForm1* form) : QDialog(form), form_(form) { setObjectName(QStringLiteral("TFLogin")); }

void TFLogin::FillLoginGrid() {
  selected_ = form_->store().GetLastUserName();
  if (selected_.isEmpty()) {
    const QStringList users = form_->store().ListUsers();
    if (!users.isEmpty()) selected_ = users.first();
  }
}

QString TFLogin::SelectedName() const { return selected_; }
void TFLogin::SetAutoLoginBox(bool) {}

}  // namespace mirvel
