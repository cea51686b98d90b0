// EXIT and the close box end the program, without a question.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include "GuiSupport.h"
#include "app/Program.h"
#include "app/Unit1.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::BoxRecorder;
using test::PickerAnswers;
using test::ShowActive;

constexpr int kLoopStillRunning = 99;

TEST(ProgramEnd, ExitAndTheCloseBoxEndTheMessageLoopWithoutAQuestion) {
  const struct {
    const char *how;
    std::function<void(TForm1 &)> close;
    bool afterARun;
  } cases[] = {
      {"EXIT", [](TForm1 &form) { QTest::mouseClick(form.Button6, Qt::LeftButton); }, false},
      {"EXIT after a run", [](TForm1 &form) { QTest::mouseClick(form.Button6, Qt::LeftButton); },
       true},
      {"close box", [](TForm1 &form) { form.windowHandle()->close(); }, false},
      {"close box after a run", [](TForm1 &form) { form.windowHandle()->close(); }, true},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.how);
    test::TempDir dir;
    dir.Write("a.seq", "A");
    Program program;
    TForm1 &form = program.Form1();
    program.Show();
    ASSERT_TRUE(test::WaitUntil([&] { return form.isActiveWindow(); }));
    BoxRecorder boxes;
    if (c.afterARun) {
      PickerAnswers picker({dir.path()});
      QTest::mouseClick(form.Button1, Qt::LeftButton);
      form.Edit1->setText("plate");
      QTest::mouseClick(form.Button5, Qt::LeftButton);
      ASSERT_EQ(boxes.Texts(), QStringList{"Done!!!"});
    }

    QTimer::singleShot(0, [&] { c.close(form); });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [] { QApplication::exit(kLoopStillRunning); });
    deadline.start(test::kDeadlineMs);
    EXPECT_EQ(QApplication::exec(), 0);

    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(unit1::SeqFileList(), nullptr);  // released by FormClose
    EXPECT_EQ(boxes.Boxes().size(), c.afterARun ? 1u : 0u);
  }
}

}  // namespace
}  // namespace tw
