#include "results/tfwebbrowser.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace mirvel {
namespace {

// Decodes an HTML file by the charset it declares; UTF-8 when none is given.
QString DecodeHtml(const QByteArray& bytes) {
  static const QRegularExpression kCharset(QStringLiteral("charset\\s*=\\s*[\"']?([A-Za-z0-9_-]+)"),
                                           QRegularExpression::CaseInsensitiveOption);
  const auto m = kCharset.match(QString::fromLatin1(bytes.left(2048)));
  const QString name = m.hasMatch() ? m.captured(1).toLower() : QStringLiteral("utf-8");
  if (name == QStringLiteral("windows-1250") || name == QStringLiteral("cp1250")) {
    QStringDecoder decoder("windows-1250");
    if (decoder.isValid()) return decoder.decode(bytes);
  }
  return QString::fromUtf8(bytes);
}

}  // namespace

TFWebBrowser::TFWebBrowser(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TFWebBrowser"));
  setWindowTitle(QStringLiteral("Výsledky cvičenia"));
  resize(800, 600);
  auto* col = new QVBoxLayout(this);
  ptop_ = new QWidget(this);
  ptop_->setObjectName(QStringLiteral("PTop"));
  auto* top = new QHBoxLayout(ptop_);
  lmain_ = new QLabel(ptop_);
  lmain_->setObjectName(QStringLiteral("LMain"));
  bbm_ = new QPushButton(QStringLiteral("Hlavné menu Pomocníka"), ptop_);
  bbm_->setObjectName(QStringLiteral("BBM"));
  top->addWidget(lmain_, 1);
  top->addWidget(bbm_);
  col->addWidget(ptop_);
  view_ = new QTextBrowser(this);
  view_->setObjectName(QStringLiteral("WebBrowser"));
  view_->setContextMenuPolicy(Qt::NoContextMenu);
  view_->setOpenLinks(false);
  col->addWidget(view_, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  auto* close = new QPushButton(QStringLiteral("&Zavrieť"), this);
  close->setObjectName(QStringLiteral("SBClose"));
  bottom->addWidget(close);
  col->addLayout(bottom);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(view_, &QTextBrowser::anchorClicked, this, &TFWebBrowser::LoadUrl);
  connect(bbm_, &QPushButton::clicked, this, [this] { Load(index_path_); });
  connect(this, &QDialog::finished, this, [this] { setWindowTitle(QStringLiteral("Výsledky cvičenia")); });
}

void TFWebBrowser::LoadUrl(const QUrl& url) {
  if (url.isLocalFile() || url.isRelative()) {
    Load(QUrl::fromLocalFile(current_path_).resolved(url).toLocalFile());
  }
}

void TFWebBrowser::Load(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    view_->setHtml(QStringLiteral("<p>Stránku pomocníka sa nepodarilo otvoriť: %1</p>").arg(path.toHtmlEscaped()));
  } else {
    view_->setSearchPaths({});
    view_->document()->setBaseUrl(QUrl::fromLocalFile(path));
    view_->setHtml(DecodeHtml(f.readAll()));
  }
  current_path_ = path;
  bbm_->setVisible(!path.contains(QStringLiteral("index.html")));
}

void TFWebBrowser::ShowHelp(const QString& path) {
  index_path_ = path;
  setWindowTitle(QStringLiteral("Pomocník programu Mirvel"));
  ptop_->setVisible(true);
  Load(path);
  exec();
}

}  // namespace mirvel
