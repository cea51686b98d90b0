// The application shell: the title rule, the failure handler and its error
// box, and the modal boxes as the user gets them.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <stdexcept>

#include <gtest/gtest.h>

#include "GuiSupport.h"
#include "app/AppTitle.h"
#include "app/BoxDialog.h"
#include "app/FailureHandler.h"
#include "app/ModalBox.h"
#include "app/ScreenPlacement.h"
#include "fasta/Failures.h"

namespace tw {
namespace {

using test::BoxRecorder;
using test::WhenModalOpens;

TEST(AppTitle, FormedFromTheProgramFileName) {
  const struct {
    const char *path;
    const char *title;
  } cases[] = {
      {"/usr/bin/tidewell", "tidewell"},
      {"/opt/TIDEWELL.bin", "Tidewell"},
      {"/home/a.b/TideWell.v2.1", "Tidewell"},  // a "." in a folder is no cut
      {"tidewell", "tidewell"},
      {"/x/\xC3\x89" "CLUSE", "\xC3\x89" "cluse"},  // ÉCLUSE: lower case beyond ASCII
      {"/x/.hidden", ""},
  };
  for (const auto &c : cases)
    EXPECT_EQ(TitleFromProgramPath(QString::fromUtf8(c.path)), QString::fromUtf8(c.title))
        << c.path;
}

TEST(FailureHandler, ShowsEachFailureInTheErrorBoxAndNothingForTheSilentStop) {
  const struct {
    std::function<void()> raise;
    QStringList shown;
  } cases[] = {
      {[] { throw EAbort(); }, {}},
      {[] { throw EInOutError(5); }, {"File access denied."}},
      {[] { throw EInOutError(112); }, {"I/O error 112."}},
      {[] { throw EFOpenError("/plate/x.seq", "Is a directory"); },
       {"Cannot open file \"/plate/x.seq\". Is a directory."}},
      {[] { throw std::runtime_error("Ends in a stop."); }, {"Ends in a stop."}},
      {[] { throw std::runtime_error("Done!!!"); }, {"Done!!!"}},
      {[] { throw 42; }, {"Unexpected failure."}},
  };
  for (const auto &c : cases) {
    BoxRecorder boxes;
    bool resumed = false;
    RunHandler([&] {
      c.raise();
      resumed = true;
    });
    EXPECT_FALSE(resumed);
    EXPECT_EQ(boxes.Texts(), c.shown);
    for (const BoxRequest &box : boxes.Boxes()) {
      EXPECT_EQ(box.kind, BoxKind::Error);
      EXPECT_EQ(box.caption, ApplicationTitle());
    }
  }
}

// An exception that an event handler lets escape, past every RunHandler,
// is caught by the application object and shown, not a crash.
TEST(FailureHandler, CatchesWhatEscapesAnEventHandler) {
  struct Throwing : QObject {
    bool event(QEvent *) override { throw std::runtime_error("Escaped"); }
  } throwing;
  BoxRecorder boxes;
  QEvent event(QEvent::User);
  QApplication::sendEvent(&throwing, &event);
  EXPECT_EQ(boxes.Texts(), QStringList{"Escaped."});
}

// The boxes as Qt shows them: inspected from inside their event loop, then
// dismissed with Esc or Enter, each of which the OK button answers.
TEST(ModalBox, ShowsTheTextCaptionedAndCentredWithOneOkButton) {
  const QString longText = QString("Building your fasta files... ").repeated(40).trimmed();
  const struct {
    BoxKind kind;
    QString text;
    Qt::Key dismiss;
  } cases[] = {
      {BoxKind::Message, "Done!!!", Qt::Key_Escape},
      {BoxKind::Error, "File access denied.", Qt::Key_Return},
      {BoxKind::Message, longText, Qt::Key_Return},
  };
  for (const auto &c : cases) {
    bool inspected = false;
    WhenModalOpens([&](QWidget *modal) {
      auto *box = qobject_cast<BoxDialog *>(modal);
      ASSERT_NE(box, nullptr);
      inspected = true;
      EXPECT_EQ(box->windowTitle(), ApplicationTitle());
      EXPECT_EQ(box->textLabel()->text(), c.text);
      EXPECT_EQ(box->iconLabel() != nullptr, c.kind == BoxKind::Error);
      EXPECT_TRUE(box->textLabel()->wordWrap());
      EXPECT_LE(box->textLabel()->width(), BoxDialog::TextWidthLimit(box));
      EXPECT_LE(box->textLabel()->heightForWidth(box->textLabel()->width()),
                box->textLabel()->height());  // all of the text, wrapped
      const auto buttons = box->findChildren<QPushButton *>();
      ASSERT_EQ(buttons.size(), 1);
      EXPECT_EQ(buttons[0]->text(), "OK");
      EXPECT_TRUE(buttons[0]->isDefault());
      EXPECT_LE((box->frameGeometry().center() - ScreenArea(box).center()).manhattanLength(), 2);
      QTest::keyClick(box, c.dismiss);
    });
    ShowModalBox(c.kind, c.text);
    EXPECT_TRUE(inspected);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  }
}

}  // namespace
}  // namespace tw
