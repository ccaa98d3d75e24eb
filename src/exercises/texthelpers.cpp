#include "exercises/texthelpers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

namespace mirvel {

namespace {
bool IsLongIy(QChar c) {
  const char16_t u = c.unicode();
  return u == 2 || u == 3 || u == u'\u00ED' || u == u'\u00FD';
}
}  // namespace

QString SlovakAlphabet() {
  return QStringLiteral(u"aáäbcčdďeéfghiíjklľĺmnňoóôprsštťyýuúvzž");
}

QString ILetterFor(QChar c) { return IsLongIy(c) ? QStringLiteral(u"í") : QStringLiteral(u"i"); }
QString YLetterFor(QChar c) { return IsLongIy(c) ? QStringLiteral(u"ý") : QStringLiteral(u"y"); }

QString RemoveChar(const QString& text, QChar c) {
  QString out = text;
  out.remove(c);
  return out;
}

int CountChar(const QString& text, QChar c) { return static_cast<int>(text.count(c)); }

QString NthField(const QString& text, QChar separator, int n) {
  QString out;
  if (n < 1 || n > CountChar(text, separator) + 1) return out;
  int field = 1;
  for (const QChar c : text) {
    if (c == separator) {
      if (++field > n) break;
    } else if (field == n) {
      out += c;
    }
  }
  return out;
}

QString ListMarkedGaps(const QString& text) {
  QStringList parts;
  for (int p = 1; p <= text.size() - 1; ++p) {
    if (text.at(p - 1) == u'.') parts << QString::number(p);
  }
  return parts.join(FieldSeparator);
}

QString StripLengthMarks(const QString& text) {
  static const QString kLong = QStringLiteral(u"áéíóúý");
  static const QString kShort = QStringLiteral(u"aeiouy");
  QString out = text;
  for (QChar& c : out) {
    const auto i = kLong.indexOf(c);
    if (i >= 0) c = kShort.at(i);
  }
  return out;
}

QString SpreadLetters(const QString& text) {
  if (text.size() < 2) return text;
  QString out;
  out.reserve(text.size() * 2);
  for (const QChar c : text) {
    out += c;
    out += u' ';
  }
  out.chop(1);
  return out;
}

bool IsLetterUnitAt(const QString& text, int pos, int* length) {
  bool unit = false;
  if (pos >= 0 && pos + 1 < text.size()) {
    const QChar a = text.at(pos).toLower();
    const QChar b = text.at(pos + 1).toLower();
    unit = (a == u'c' && b == u'h') || (a == u'd' && (b == u'z' || b == u'ž'));
  }
  if (length) *length = unit ? 2 : 1;
  return unit;
}

void WaitMs(int ms) {
  QElapsedTimer timer;
  timer.start();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  if (ms <= 0) return;
  // The wake-up timer lets the loop sleep between events instead of spinning.
  QTimer wake;
  wake.start(std::min(ms, 10));
  while (static_cast<qint32>(timer.elapsed()) < ms) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace mirvel
