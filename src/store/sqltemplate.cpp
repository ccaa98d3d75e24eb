#include "store/sqltemplate.h"

namespace mirvel {

QString QuoteSqlText(const QString& text) {
  QString out = text;
  out.replace(QLatin1Char('\''), QLatin1String("''"));
  return out;
}

QString FormatSql(const char* templ, std::initializer_list<SqlArg> args) {
  const QString t = QString::fromUtf8(templ);
  QString out;
  out.reserve(t.size() + 32);
  auto arg = args.begin();
  for (qsizetype i = 0; i < t.size(); ++i) {
    const QChar c = t.at(i);
    if (c != QLatin1Char('%') || i + 1 >= t.size()) {
      out += c;
      continue;
    }
    const QChar spec = t.at(i + 1);
    if (spec == QLatin1Char('%')) {
      out += QLatin1Char('%');
      ++i;
      continue;
    }
    if (spec != QLatin1Char('d') && spec != QLatin1Char('s')) {
      out += c;
      continue;
    }
    ++i;
    if (arg == args.end()) continue;  // a missing argument leaves the place empty
    if (spec == QLatin1Char('d')) {
      if (arg->is_text()) {
        bool ok = false;
        const qint64 n = arg->text().trimmed().toLongLong(&ok);
        out += QString::number(ok ? n : 0);
      } else {
        out += QString::number(arg->number());
      }
    } else {
      out += arg->is_text() ? QuoteSqlText(arg->text()) : QString::number(arg->number());
    }
    ++arg;
  }
  return out;
}

}  // namespace mirvel
