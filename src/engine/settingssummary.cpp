#include "engine/settingssummary.h"

#include <QStringList>

namespace mirvel {
namespace {

// Builds the summary item by item; every item after the first is preceded by
// "; ".
class Summary final {
 public:
  explicit Summary(const ControlValues& c) : c_(c) {}

  void Item(const QString& text) {
    if (!text_.isEmpty()) text_ += QStringLiteral("; ");
    text_ += text;
  }

  QString List(const char* name) const {
    const QStringList items = c_.Items(L(name));
    const QVector<bool> checks = c_.Checks(L(name));
    QStringList checked;
    for (int i = 0; i < items.size() && i < checks.size(); ++i) {
      if (checks.at(i)) checked << items.at(i);
    }
    return checked.join(QStringLiteral(", "));
  }
  QString Spin(const char* prefix, const char* name) const { return U(prefix) + QString::number(c_.Value(L(name))); }
  QString Combo(const char* prefix, const char* name) const { return U(prefix) + c_.Text(L(name)); }
  QString Check(const char* name) const {
    return QStringLiteral("<b>") + c_.Text(L(name)) + QStringLiteral(":</b> ") +
           (c_.Checked(L(name)) ? U("ÁNO") : U("NIE"));
  }

  const QString& text() const { return text_; }

  static QString U(const char* s) { return QString::fromUtf8(s); }
  static QString L(const char* s) { return QString::fromLatin1(s); }

 private:
  const ControlValues& c_;
  QString text_;
};

}  // namespace

QString BuildSettingsSummary(int exam_no, const ControlValues& c) {
  Summary s(c);
  using S = Summary;
  if (c.Checked(QStringLiteral("CHBTimer")))
    s.Item(S::U("<b>časovač:</b> ") + QString::number(c.Value(QStringLiteral("SETaskTime"))) + S::U(" sek"));
  switch (exam_no) {
    case 1:
      s.Item(s.Spin("<b>počet písmen:</b> ", "SECount1"));
      s.Item(S::U("<b>dopĺňanie:</b> ") + s.List("CHLB1"));
      break;
    case 2:
      s.Item(s.Combo("<b>počet písmen:</b> ", "CBCount2"));
      s.Item(S::U("<b>typ slov:</b> ") + s.List("CHLB2"));
      break;
    case 3:
      s.Item(s.Spin("<b>počet riadkov:</b> ", "SERow2"));
      s.Item(s.Spin("<b>počet stĺpcov:</b> ", "SEColumn2"));
      s.Item(s.Spin("<b>počet písmen v slove:</b> ", "SEMaxLength2"));
      break;
    case 4:
      s.Item(S::U("<b>typ slov:</b> ") + s.List("CHLB4"));
      break;
    case 5:
      s.Item(s.Combo("<b>typ skúšania:</b> ", "CBType5") + s.Combo(" ", "CBSpeech5"));
      s.Item(s.Check("CHBChangePos5"));
      break;
    case 6:
      s.Item(s.Combo("<b>typ skúšania:</b> ", "CBType6") + S::U(" s ") + s.List("CHLB6dtn") + S::U(" ") +
             s.List("CHLB6pos") + S::U(" a ") + c.Text(QStringLiteral("CBSpeech6")) + s.Combo(" ", "CBException6"));
      break;
    case 7:
      s.Item(s.Combo("<b>typ skúšania:</b> ", "CBType7") + s.Combo(" ", "CBSpeech7"));
      s.Item(s.Check("CHBIIYY7"));
      break;
    case 8:
      s.Item(s.Combo("<b>typ skúšania:</b> ", "CBType8") + s.Combo(" ", "CBSpeech8") + s.Combo(" ", "CBException8"));
      s.Item(s.Check("CHBIIYY8"));
      break;
    case 10:
      s.Item(S::U("<b>vybrané slová po:</b> ") + s.List("CHLBBPM10"));
      break;
    case 11:
      s.Item(s.Check("CHBChangePos11"));
      break;
    case 12:
      s.Item(s.Combo("<b>typ skúšania:</b>", "CBType12") + S::U(" <b>príd. mená v:</b> ") + s.List("CHLBPM12"));
      s.Item(s.Check("CHBIIYY12"));
      break;
    case 13:
      s.Item(S::U("<b>slovné druhy:</b> ") + s.List("CHLBSD13"));
      break;
    case 14:
      s.Item(S::U("<b>slová:</b> ") + s.List("CHLB14") + s.Combo(" ", "CBSpeech14"));
      break;
    case 15:
      s.Item(s.Combo("<b>typ skúšania:</b> ", "CBSpeech15"));
      break;
    case 16:
      s.Item(S::U("<b>slová:</b> ") + s.List("CHLBSZ16"));
      break;
    case 18:
      s.Item(S::U("<b>slová:</b> ") + s.List("CHLB18") + s.Combo(" ", "CBSpeech18"));
      break;
    default:  // 9, 17: nothing of their own
      break;
  }
  return s.text();
}

}  // namespace mirvel
