// LOAD...: the folder picker, SeqFolder and the folder display.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cerrno>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "GuiSupport.h"
#include "app/FolderCaption.h"
#include "app/FolderPicker.h"
#include "app/Unit1.h"
#include "platform/SysCalls.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::BoxRecorder;
using test::PickerAnswers;
using test::Q;
using test::ShowActive;
using test::WhenModalOpens;

// A path of n characters: "/" and then letters.
std::string PathOf(std::size_t n, std::string_view letter = "d") {
  std::string path = "/";
  for (std::size_t i = 1; i < n; ++i) path += letter;
  return path;
}

TEST(FolderCaption, BreaksOnceAfterFiftyCharacters) {
  const std::string e = "\xC3\xA9";  // é, two bytes, one character
  const struct {
    std::string path;
    std::string caption;
  } cases[] = {
      {"", ""},
      {"/data/plate1", "/data/plate1"},
      {PathOf(50), PathOf(50)},
      {PathOf(51), PathOf(50) + "\r\nd"},
      {PathOf(120), PathOf(50) + "\r\n" + std::string(70, 'd')},
      {PathOf(50, e), PathOf(50, e)},  // 99 bytes, 50 characters
      {PathOf(51, e), PathOf(50, e) + "\r\n" + e},
  };
  for (const auto &c : cases) EXPECT_EQ(FolderCaption(c.path), c.caption) << c.path;
}

TEST(FolderChoice, ConfirmSetsTheFolderAndItsDisplay) {
  for (const std::size_t length : {50u, 51u, 120u}) {
    TForm1 form;
    ASSERT_TRUE(ShowActive(&form));
    PickerAnswers picker({PathOf(length)});
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    EXPECT_EQ(unit1::SeqFolder(), PathOf(length));
    EXPECT_EQ(form.Label5->text(), Q(FolderCaption(PathOf(length))));
    EXPECT_EQ(form.Label5->text().count("\r\n"), length > 50 ? 1 : 0);
  }
}

TEST(FolderChoice, CancelKeepsTheFolderAndEmptiesTheResultName) {
  TForm1 form;
  ASSERT_TRUE(ShowActive(&form));
  PickerAnswers picker({"/data/plate1", std::nullopt});
  QTest::mouseClick(form.Button1, Qt::LeftButton);
  form.Edit1->setText("plate");
  QTest::mouseClick(form.Button1, Qt::LeftButton);

  EXPECT_EQ(form.Edit1->text(), "");
  EXPECT_EQ(unit1::SeqFolder(), "/data/plate1");
  EXPECT_EQ(form.Label5->text(), "/data/plate1");
  ASSERT_EQ(picker.Requests().size(), 2u);
  for (const FolderPickRequest &request : picker.Requests()) {
    EXPECT_EQ(request.title, "Please select the folder");
    EXPECT_EQ(request.startFolder, QDir::homePath());  // never the folder chosen before
    EXPECT_EQ(request.owner, &form);
  }
}

// Which paths the system was asked for, refusing the probe's output.
std::vector<std::string> asked;
constexpr char kProbe[] = "tidewell-probe.fasta";

bool IsProbe(const char *path) { return std::string_view(path).ends_with(kProbe); }

TEST(FolderChoice, TheRootFolderGivesDoubledSeparatorsInTheNextRun) {
  TForm1 form;
  ASSERT_TRUE(ShowActive(&form));
  {
    PickerAnswers picker({"/"});
    QTest::mouseClick(form.Button1, Qt::LeftButton);
  }
  EXPECT_EQ(unit1::SeqFolder(), "/");
  EXPECT_EQ(form.Label5->text(), "/");

  // Nothing is written into "/": the output's creation is refused.
  asked.clear();
  sys::SysCalls calls = sys::RealSysCalls();
  calls.open = [](const char *path, int flags, mode_t mode) {
    asked.emplace_back(path);
    if (IsProbe(path)) {
      errno = EACCES;
      return -1;
    }
    return sys::RealSysCalls().open(path, flags, mode);
  };
  sys::ScopedSysCalls refuse(calls);
  form.Edit1->setText("tidewell-probe");
  BoxRecorder boxes;
  QTest::mouseClick(form.Button5, Qt::LeftButton);

  EXPECT_EQ(boxes.Texts(), QStringList{"File access denied."});
  EXPECT_EQ(asked, std::vector<std::string>{"//tidewell-probe.fasta"});
}

// Qt's own picker, inspected from inside its event loop.
TEST(FolderChoice, ThePickerIsAModalFolderDialogThatStartsAtHomeEachTime) {
  test::TempDir dir;
  TForm1 form;
  ASSERT_TRUE(ShowActive(&form));
  const struct {
    bool confirm;
    std::optional<std::string> result;
  } cases[] = {{true, dir.path()}, {false, std::nullopt}};
  for (const auto &c : cases) {
    bool inspected = false;
    WhenModalOpens([&](QWidget *modal) {
      auto *dialog = qobject_cast<QFileDialog *>(modal);
      ASSERT_NE(dialog, nullptr);
      inspected = true;
      EXPECT_EQ(dialog->windowTitle(), "Please select the folder");
      EXPECT_EQ(dialog->fileMode(), QFileDialog::Directory);
      EXPECT_TRUE(dialog->testOption(QFileDialog::ShowDirsOnly));
      EXPECT_EQ(QDir(dialog->directory()).absolutePath(), QDir::homePath());
      EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
      EXPECT_EQ(dialog->parentWidget(), &form);
      if (c.confirm) {
        dialog->setDirectory(Q(dir.path()));
        static_cast<QDialog *>(dialog)->accept();  // as its Choose button does
      } else {
        dialog->reject();
      }
    });
    EXPECT_EQ(PickFolder("Please select the folder", &form), c.result);
    EXPECT_TRUE(inspected);
  }
}

}  // namespace
}  // namespace tw
