// The build run through the real window: LOAD... answered with a temporary
// folder, a result name typed, FASTA pressed, the boxes answered.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>

#include <gtest/gtest.h>

#include "GuiSupport.h"
#include "app/AppTitle.h"
#include "app/ProgressBar.h"
#include "app/Unit1.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::BoxRecorder;
using test::Exists;
using test::PickerAnswers;
using test::ReadBytes;
using test::ShowActive;
using test::TempDir;

struct Window {
  TForm1 form;
  Window() { EXPECT_TRUE(ShowActive(&form)); }

  void Load(const std::string &folder) {
    PickerAnswers picker({folder});
    QTest::mouseClick(form.Button1, Qt::LeftButton);
  }
  void Type(const QString &resultName) {
    form.Edit1->setFocus();
    QTest::keyClicks(form.Edit1, resultName);
  }
  void PressFasta() { QTest::mouseClick(form.Button5, Qt::LeftButton); }
  QStringList Log() const {
    const QString text = form.Memo1->toPlainText();
    return text.isEmpty() ? QStringList() : text.split('\n');
  }
};

TEST(BuildRunWindow, WritesTheFastaFileAndReportsOnTheWindow) {
  for (const bool deleteOption : {false, true}) {
    SCOPED_TRACE(deleteOption ? "with the delete option" : "without the delete option");
    TempDir dir;
    dir.Write("b.seq", "TT\r\n\r\n");
    dir.Write("a.seq", "ACGT\nGG");
    dir.Write("sub/c.seq", "C");
    dir.Write("notes.txt", "n");
    const std::string fasta = ">a.seq\r\nACGT\r\nGG\r\n>b.seq\r\nTT\r\n\r\n";
    QStringList log = {"Building your fasta files..."};
    if (deleteOption) log << "Waiting for delete seq files......";

    Window window;
    window.Load(dir.path());
    window.Type("plate");
    window.form.CheckBox1->setChecked(deleteOption);
    window.form.Memo1->appendPlainText("typed by the user");

    BoxRecorder boxes;
    boxes.onBox = [&](const BoxRequest &) {
      // As "Done!!!" shows: the file complete, the log and bar final.
      EXPECT_EQ(ReadBytes(dir / "plate.fasta"), fasta);
      EXPECT_EQ(window.Log(), log);
      EXPECT_EQ(window.form.pg->Position(), 2);
    };
    window.PressFasta();

    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].kind, BoxKind::Message);
    EXPECT_EQ(boxes.Boxes()[0].caption, ApplicationTitle());
    EXPECT_EQ(boxes.Boxes()[0].text, "Done!!!");
    EXPECT_EQ(window.form.pg->Min(), 0);
    EXPECT_EQ(window.form.pg->Max(), 2);
    EXPECT_EQ(window.form.pg->Position(), 2);
    EXPECT_EQ(window.form.pg->value(), window.form.pg->maximum());  // drawn full
    EXPECT_EQ(*unit1::SeqFileList(), (StringList{"a.seq", "b.seq"}));
    EXPECT_EQ(ReadBytes(dir / "plate.fasta"), fasta);
    for (const char *seq : {"a.seq", "b.seq", "sub/c.seq"})
      EXPECT_EQ(Exists(dir / seq), !deleteOption) << seq;
    EXPECT_TRUE(Exists(dir / "notes.txt"));
    EXPECT_EQ(window.form.Edit1->text(), "plate");  // the window keeps its inputs
  }
}

TEST(BuildRunWindow, ARefusedRunChangesNothing) {
  const struct {
    const char *resultName;
    bool folderChosen;
    const char *message;
  } cases[] = {
      {"", false, "Please input the savefile name!"},
      {"", true, "Please input the savefile name!"},
      {"plate", false, "Please load your folder!"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.message);
    TempDir dir;
    dir.Write("a.seq", "A");
    Window window;
    if (c.folderChosen) window.Load(dir.path());
    window.Type(c.resultName);
    window.form.Memo1->setPlainText("typed by the user");
    window.form.SetProgressMax(7);
    window.form.SetProgressPosition(3);
    unit1::SeqFileList()->assign({"kept.seq"});

    BoxRecorder boxes;
    window.PressFasta();

    EXPECT_EQ(boxes.Texts(), QStringList{c.message});
    EXPECT_EQ(boxes.Boxes()[0].kind, BoxKind::Message);
    EXPECT_EQ(window.form.Memo1->toPlainText(), "typed by the user");
    EXPECT_EQ(window.form.pg->Position(), 3);
    EXPECT_EQ(window.form.pg->Max(), 7);
    EXPECT_EQ(*unit1::SeqFileList(), StringList{"kept.seq"});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
  }
}

TEST(BuildRunWindow, AFolderWithoutSequenceFilesGetsAnEmptyFileAndAnEmptyBar) {
  TempDir dir;
  dir.Write("notes.txt", "n");
  Window window;
  window.Load(dir.path());
  window.Type("plate");
  window.form.Memo1->setPlainText("typed by the user");

  BoxRecorder boxes;
  window.PressFasta();

  EXPECT_EQ(boxes.Texts(), QStringList{"No .seq files in this folder!"});
  EXPECT_EQ(ReadBytes(dir / "plate.fasta"), "");
  EXPECT_EQ(window.form.Memo1->toPlainText(), "typed by the user");
  EXPECT_EQ(window.form.pg->Position(), 0);
  EXPECT_EQ(window.form.pg->Max(), 0);
  // Qt draws a bar whose range is 0..0 as busy; this one is drawn empty.
  EXPECT_FALSE(window.form.pg->minimum() == 0 && window.form.pg->maximum() == 0);
  EXPECT_EQ(window.form.pg->value(), window.form.pg->minimum());
}

TEST(BuildRunWindow, AFailureIsShownInTheErrorBoxAndTheWindowGoesOn) {
  TempDir dir;
  dir.Write("a.seq", "A");
  dir.MakeDir("x.seq");
  Window window;
  window.Load(dir.path());
  window.Type("plate");

  {
    BoxRecorder boxes;
    window.PressFasta();
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].kind, BoxKind::Error);
    EXPECT_EQ(boxes.Boxes()[0].caption, ApplicationTitle());
    EXPECT_EQ(boxes.Boxes()[0].text,
              test::Q("Cannot open file \"" + dir / "x.seq" + "\". Is a directory."));
  }
  EXPECT_EQ(window.Log(), QStringList{"Building your fasta files..."});
  EXPECT_EQ(window.form.pg->Position(), 2);
  EXPECT_TRUE(window.form.isVisible());

  // Usable afterwards: the next run, with the folder put right, completes.
  std::filesystem::remove(dir / "x.seq");
  BoxRecorder boxes;
  window.PressFasta();
  EXPECT_EQ(boxes.Texts(), QStringList{"Done!!!"});
  EXPECT_EQ(ReadBytes(dir / "plate.fasta"), ">a.seq\r\nA\r\n");
}

}  // namespace
}  // namespace tw
