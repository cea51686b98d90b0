// The window of a modal box (ModalBox.h): the box's caption, the stop icon
// for an error and none for a message, the text wrapped at word boundaries
// to at most half the screen's width, and one OK button that is the default
// button (Enter) and the escape button (Esc). The box keeps the size its
// text needs and centres itself on the screen as it is shown.
#pragma once

#include <QDialog>

#include "app/ModalBox.h"

class QLabel;
class QPushButton;

namespace tw {

class BoxDialog : public QDialog {
  Q_OBJECT

 public:
  BoxDialog(const BoxRequest &request, QWidget *owner);

  QLabel *textLabel() const { return text_; }
  QLabel *iconLabel() const { return icon_; }  // null in a message
  QPushButton *okButton() const { return ok_; }

  // The widest the text may be: half the width of the owner's screen.
  static int TextWidthLimit(const QWidget *owner);

 protected:
  void showEvent(QShowEvent *event) override;

 private:
  QLabel *icon_ = nullptr;
  QLabel *text_;
  QPushButton *ok_;
};

}  // namespace tw
