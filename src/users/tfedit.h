#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TFEdit;
}

class QLineEdit;
class QSpinBox;

namespace mirvel {

// The name and school-year dialog (borderless, 465 x 222).
// "&OK" keeps the name; "&Zrušiť" empties it; the caller reads EText and SEClass.
class TFEdit final : public QDialog {
  Q_OBJECT
 public:
  explicit TFEdit(QWidget* parent = nullptr);
  ~TFEdit() override;

  // AskText: name field enabled and limited to max_length, caption and prompt
  // set, shown modally; returns the field's text at closing.
  QString Ask(const QString& title, const QString& prompt, int max_length);
  // Shows the dialog modally as it is set up now; returns the field's text.
  QString ShowModal();

  QLineEdit* EText() const;
  QSpinBox* SEClass() const;
  Ui::TFEdit* ui() const { return ui_.get(); }

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::unique_ptr<Ui::TFEdit> ui_;
};

}  // namespace mirvel
