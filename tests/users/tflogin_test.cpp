#include "users/tflogin.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include "users/mainwindowfixture.h"
#include "users/tfedit.h"

namespace mirvel {
namespace {

using test::ClickInModal;
using test::OnModal;

class LoginTest : public test::MainWindowTest {
 protected:
  TFLogin* login() { return form_->FLogin(); }
  QTableWidget* grid() { return login()->SGLogin(); }

  // The login window opened as on a change of user, without its modal loop.
  void Open() {
    login()->FillLoginGrid();
    login()->show();
  }

  void Click(const char* button) { login()->findChild<QPushButton*>(QLatin1String(button))->click(); }

  QStringList Names() {
    QStringList names;
    for (int r = 0; r < grid()->rowCount(); ++r) names << grid()->item(r, 0)->text();
    return names;
  }

  void Select(const QString& name) {
    const auto found = grid()->findItems(name, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << name.toStdString();
    grid()->selectRow(found.first()->row());
  }

  // Types the name (and school year) into the add dialog, or cancels it when
  // name is null; *warning receives the text of a warning that follows.
  void Add(const QString& name, int year, QString* warning) {
    OnModal(QStringLiteral("TFEdit"), [name, year](QWidget* w) {
      auto* edit = qobject_cast<TFEdit*>(w);
      if (name.isNull()) {
        edit->findChild<QPushButton*>(QStringLiteral("SBN"))->click();
        return;
      }
      edit->EText()->setText(name);
      edit->SEClass()->setValue(year);
      edit->findChild<QPushButton*>(QStringLiteral("SBA"))->click();
    });
    QPointer<QTimer> on_warning = ClickInModal(QStringLiteral("TFQuestion"), QStringLiteral("SBOK"), warning);
    Click("SBAdd");
    delete on_warning;  // no warning came
  }
};

TEST_F(LoginTest, GridListsUsersAndSelectsTheLastOne) {
  form_->store().AddUser(QStringLiteral("Anna"), 2);
  form_->store().MarkLoggedUser(QStringLiteral("Anna"));
  Open();
  EXPECT_EQ(grid()->columnCount(), 2);
  EXPECT_EQ(grid()->columnWidth(0), 300);
  EXPECT_EQ(grid()->columnWidth(1), 95);
  EXPECT_EQ(grid()->horizontalHeaderItem(0)->text(), QStringLiteral("Meno"));
  EXPECT_EQ(grid()->horizontalHeaderItem(1)->text(), QStringLiteral("Ročník"));
  EXPECT_FALSE(grid()->verticalHeader()->isVisible());
  ASSERT_EQ(Names().size(), 2);
  EXPECT_EQ(grid()->item(1, 1)->text(), QStringLiteral("2"));
  EXPECT_EQ(login()->SelectedName(), QStringLiteral("Anna"));
  EXPECT_EQ(login()->size(), QSize(560, 329));
  EXPECT_TRUE(login()->windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(LoginTest, NoLastUserLogsInThePredefinedOne) {
  form_->store().Exec(form_->store().ZQS(), QStringLiteral("UPDATE mvusers SET status=0"));
  form_->store().AddUser(QStringLiteral("Anna"), 2);
  Open();
  EXPECT_TRUE(grid()->selectedItems().isEmpty());
  login()->SetAutoLoginBox(true);
  Click("SBLogin");
  EXPECT_FALSE(login()->isVisible());
  EXPECT_EQ(grid()->currentRow(), 0);
  EXPECT_EQ(login()->SelectedName(), Names().first());
  // The box of the login window switches automatic login on.
  EXPECT_TRUE(form_->Control<QCheckBox>(QStringLiteral("CHBLogin"))->isChecked());
}

TEST_F(LoginTest, AddingUsers) {
  form_->store().AddUser(QStringLiteral("Anna"), 2);
  Open();
  struct Case {
    const char* what;
    QString name;
    int year;
    bool added;
    const char* warning;
  };
  const Case cases[] = {
      {"other letter case of an existing name", QStringLiteral("anna"), 3, false,
       "Zadané meno už existuje v zozname používateľov, zopakujte pridávanie používateľa s iným menom!"},
      {"cancelled", QString(), 3, false, ""},
      {"only spaces", QStringLiteral("   "), 3, false, nullptr},
      {"apostrophe", QStringLiteral("Ján O'Neil"), 2, true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QStringList before = Names();
    QString warning;
    Add(c.name, c.year, &warning);
    if (c.warning) EXPECT_EQ(warning, QString::fromUtf8(c.warning));
    else EXPECT_FALSE(warning.isEmpty());
    if (!c.added) {
      EXPECT_EQ(Names(), before);
      continue;
    }
    EXPECT_EQ(Names(), before + QStringList{c.name});
    EXPECT_EQ(login()->SelectedName(), c.name);
    EXPECT_TRUE(form_->store().UserNameExists(c.name));
    EXPECT_EQ(form_->store().GetUserClass(c.name), c.year);
  }
  // A name can never be longer than 24 characters.
  EXPECT_EQ(form_->FEdit()->EText()->maxLength(), 24);
}

TEST_F(LoginTest, PredefinedUserIsProtected) {
  Open();
  const QString predefined = Names().first();
  const int year = form_->store().GetUserClass(predefined);
  grid()->selectRow(0);
  QString warning;
  ClickInModal(QStringLiteral("TFQuestion"), QStringLiteral("SBOK"), &warning);
  Click("SBDel");
  EXPECT_EQ(warning, QStringLiteral("Nie je možné odstrániť preddefinovaného používateľa!"));
  ClickInModal(QStringLiteral("TFQuestion"), QStringLiteral("SBOK"), &warning);
  Click("SBEdit");
  EXPECT_EQ(warning, QStringLiteral("Nie je možné zmeniť ročník pre preddefinovaného používateľa!"));
  EXPECT_EQ(Names().first(), predefined);
  EXPECT_TRUE(form_->store().UserNameExists(predefined));
  EXPECT_EQ(form_->store().GetUserClass(predefined), year);
}

TEST_F(LoginTest, DeletingAUserAsksFirst) {
  form_->store().AddUser(QStringLiteral("Anna"), 2);
  form_->store().PutUserSetting(form_->store().GetUserId(QStringLiteral("Anna")), QStringLiteral("CBType6"), 1,
                                QStringLiteral("x"));
  Open();
  Select(QStringLiteral("Anna"));
  QString question;
  ClickInModal(QStringLiteral("TFQuestion"), QStringLiteral("SBN"), &question);
  Click("SBDel");
  EXPECT_EQ(question, QStringLiteral("Chcete naozaj vymazať používateľa s menom Anna aj so všetkými jeho "
                                     "nastaveniami a výsledkami?"));
  EXPECT_EQ(Names().size(), 2);
  const int id = form_->store().GetUserId(QStringLiteral("Anna"));
  ClickInModal(QStringLiteral("TFQuestion"), QStringLiteral("SBA"));
  Click("SBDel");
  EXPECT_EQ(Names().size(), 1);
  EXPECT_FALSE(form_->store().UserNameExists(QStringLiteral("Anna")));
  EXPECT_TRUE(form_->store().GetUserSetting(id, QStringLiteral("CBType6")).isEmpty());
}

TEST_F(LoginTest, ChangingTheSchoolYear) {
  form_->store().AddUser(QStringLiteral("Anna"), 2);
  Open();
  Select(QStringLiteral("Anna"));
  // Cancelled: nothing changes.
  OnModal(QStringLiteral("TFEdit"), [](QWidget* w) {
    auto* edit = qobject_cast<TFEdit*>(w);
    edit->SEClass()->setValue(1);
    edit->findChild<QPushButton*>(QStringLiteral("SBN"))->click();
  });
  Click("SBEdit");
  EXPECT_EQ(form_->store().GetUserClass(QStringLiteral("Anna")), 2);
  EXPECT_EQ(grid()->item(1, 1)->text(), QStringLiteral("2"));

  QString shown_name;
  bool name_enabled = true;
  int shown_year = 0;
  OnModal(QStringLiteral("TFEdit"), [&](QWidget* w) {
    auto* edit = qobject_cast<TFEdit*>(w);
    shown_name = edit->EText()->text();
    name_enabled = edit->EText()->isEnabled();
    shown_year = edit->SEClass()->value();
    edit->SEClass()->setValue(3);
    edit->findChild<QPushButton*>(QStringLiteral("SBA"))->click();
  });
  Click("SBEdit");
  EXPECT_EQ(shown_name, QStringLiteral("Anna"));
  EXPECT_FALSE(name_enabled);
  EXPECT_EQ(shown_year, 2);
  EXPECT_EQ(form_->store().GetUserClass(QStringLiteral("Anna")), 3);
  EXPECT_EQ(grid()->item(1, 1)->text(), QStringLiteral("3"));
  // The add dialog afterwards has its name field back.
  EXPECT_TRUE(form_->FEdit()->EText()->isEnabled());
}

TEST_F(LoginTest, NameWithApostropheSurvivesARestart) {
  const QString name = QStringLiteral("Ján O'Neil");
  Open();
  Add(name, 1, nullptr);
  Click("SBLogin");  // the new row is selected, automatic login stays off
  form_->ApplyCurrentUser();
  EXPECT_EQ(form_->UserName(), name);
  Restart();
  EXPECT_EQ(form_->UserName(), name);
  EXPECT_EQ(form_->UserClass(), 1);
  login()->FillLoginGrid();
  EXPECT_TRUE(Names().contains(name));
  EXPECT_EQ(login()->SelectedName(), name);
}

}  // namespace
}  // namespace mirvel
