#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TFQuestion;
}

namespace mirvel {

// The one question and notice dialog of the program (borderless, 465 x 169).
// The title bar takes the caption and the colour of the message kind.
class TFQuestion final : public QDialog {
  Q_OBJECT
 public:
  explicit TFQuestion(QWidget* parent = nullptr);
  ~TFQuestion() override;

  // Shows the dialog modally; true only when "Án&o" was chosen. With
  // info_only only "&Ok" is offered. The caption is the title in upper case.
  bool Ask(const QString& title, const QString& text, bool info_only);

  // Title bar colour for a message kind (black, red #FF0000 or navy #000080).
  static QColor TitleColour(const QString& title);

  Ui::TFQuestion* ui() const { return ui_.get(); }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::unique_ptr<Ui::TFQuestion> ui_;
  bool answer_ = false;
};

}  // namespace mirvel
