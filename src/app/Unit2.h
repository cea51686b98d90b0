// The About dialog, Tfrmabout: two lines that thank the user,
// "Thank You For " and "Choosing Orvan.", and nothing else.
//
// The main window's menu item creates a fresh dialog each time, shows it
// modally, centred on the screen, and the dialog frees itself when it
// closes:
//
//   frmabout = new Tfrmabout(form1);
//   frmabout->ShowModal();     // returns when the dialog has closed
//
// A click on either label or on the dialog's background closes it, as do
// the close box and Alt+F4. Esc and Enter do nothing: the dialog has no
// cancel and no default button.
//
// One further instance is made at start-up, owned by the program, and stays
// hidden until the program ends (Program.h).
#pragma once

#include <QDialog>
#include <QPointer>

#include "app/ClickTracker.h"

class QLabel;

namespace tw {

class ClickLabel;

class Tfrmabout : public QDialog {
  Q_OBJECT

 public:
  explicit Tfrmabout(QWidget *owner = nullptr);

  // Runs the dialog modally, centred on the screen, to its close.
  void ShowModal();

  ClickLabel *Label1;
  ClickLabel *Label2;

  void FormClose();
  void FormClick();
  void Label1Click();

 protected:
  void showEvent(QShowEvent *event) override;
  void closeEvent(QCloseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;

 private:
  ClickTracker click_;
};

// The dialog last made: the start-up instance, then the one that the menu
// item opened last (null once that one has freed itself).
extern QPointer<Tfrmabout> frmabout;

}  // namespace tw
