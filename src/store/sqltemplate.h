#pragma once

#include <QString>
#include <QVariant>

#include <initializer_list>

namespace mirvel {

// One argument of a statement template: an integer for %d, a text for %s.
class SqlArg final {
 public:
  SqlArg(int value) : is_text_(false), number_(value) {}           // NOLINT
  SqlArg(qint64 value) : is_text_(false), number_(value) {}        // NOLINT
  SqlArg(const QString& value) : is_text_(true), text_(value) {}   // NOLINT
  SqlArg(const char* value) : is_text_(true), text_(QString::fromUtf8(value)) {}  // NOLINT

  bool is_text() const { return is_text_; }
  qint64 number() const { return number_; }
  const QString& text() const { return text_; }

 private:
  bool is_text_;
  qint64 number_ = 0;
  QString text_;
};

// Fills a statement template in order: %d gets a decimal integer, %s a text
// whose single quotes are doubled, so a value can never change the statement.
// A text passed for %d or an integer passed for %s is written as its decimal
// or quoted form; %% stands for one percent sign.
QString FormatSql(const char* templ, std::initializer_list<SqlArg> args);

// Doubles every single quote of a text that goes between quotes in a statement.
QString QuoteSqlText(const QString& text);

}  // namespace mirvel
