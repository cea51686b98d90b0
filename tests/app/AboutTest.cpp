// The About dialog, opened from the menu item.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include "GuiSupport.h"
#include "app/ClickLabel.h"
#include "app/LayoutFont.h"
#include "app/Program.h"
#include "app/ScreenPlacement.h"
#include "app/Unit1.h"
#include "app/Unit2.h"

namespace tw {
namespace {

using test::ShowActive;
using test::WaitUntil;
using test::WhenModalOpens;

int DialogsAlive() {
  int alive = 0;
  for (QWidget *widget : QApplication::allWidgets()) alive += qobject_cast<Tfrmabout *>(widget) != nullptr;
  return alive;
}

TEST(About, EachChoiceOpensAFreshDialogThatAClickClosesAndFrees) {
  Program program;
  TForm1 &form = program.Form1();
  ASSERT_TRUE(ShowActive(&form));
  form.Edit1->setText("plate");
  QPointer<Tfrmabout> hidden = frmabout.data();
  ASSERT_FALSE(hidden.isNull());
  EXPECT_FALSE(hidden->isVisible());
  const int aliveBefore = DialogsAlive();

  // Each way of closing it, one per opening.
  const std::function<void(Tfrmabout *)> closers[] = {
      [](Tfrmabout *d) { QTest::mouseClick(d->Label1, Qt::LeftButton); },
      [](Tfrmabout *d) { QTest::mouseClick(d->Label2, Qt::LeftButton); },
      [](Tfrmabout *d) { QTest::mouseClick(d, Qt::LeftButton, {}, QPoint(4, 90)); },
      [](Tfrmabout *d) { d->windowHandle()->close(); },  // close box, Alt+F4
  };
  for (const auto &closeIt : closers) {
    QPointer<Tfrmabout> shown;
    WhenModalOpens([&](QWidget *modal) {
      auto *dialog = qobject_cast<Tfrmabout *>(modal);
      ASSERT_NE(dialog, nullptr);
      shown = dialog;
      EXPECT_NE(dialog, hidden.data());
      EXPECT_EQ(frmabout.data(), dialog);
      EXPECT_EQ(dialog->parentWidget(), &form);
      EXPECT_EQ(dialog->windowTitle(), "frmabout");
      EXPECT_EQ(dialog->size(), ClientSizeForOuter({223, 127}));
      EXPECT_LE((dialog->frameGeometry().center() - ScreenArea(dialog).center()).manhattanLength(),
                2);
      EXPECT_EQ(dialog->Label1->text(), "Thank You For ");
      EXPECT_EQ(dialog->Label2->text(), "Choosing Orvan.");
      EXPECT_EQ(dialog->Label1->geometry(), QRect(43, 18, 121, 25));
      EXPECT_EQ(dialog->Label2->geometry(), QRect(38, 48, 137, 25));
      for (ClickLabel *label : {dialog->Label1, dialog->Label2}) {
        EXPECT_TRUE(label->font().bold());
        EXPECT_EQ(label->font().pixelSize(), 16);
        EXPECT_LE(label->heightForWidth(label->width()), label->height());  // fits
      }
      // A fresh dialog: nothing of the one before is left on it.
      dialog->move(dialog->pos() + QPoint(30, 30));

      for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(dialog, key);
      EXPECT_TRUE(dialog->isVisible());
      closeIt(dialog);
    });
    form.Refseq1->trigger();

    EXPECT_TRUE(WaitUntil([&] { return shown.isNull(); })) << "the dialog was not freed";
    EXPECT_TRUE(frmabout.isNull());
    EXPECT_EQ(DialogsAlive(), aliveBefore);
  }

  // The main window is as it was, and takes clicks again.
  EXPECT_FALSE(hidden.isNull());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(form.Edit1->text(), "plate");
  test::PickerAnswers picker({std::nullopt});
  QTest::mouseClick(form.Button1, Qt::LeftButton);
  EXPECT_EQ(picker.Requests().size(), 1u);
}

}  // namespace
}  // namespace tw
