// The main window as it starts: its controls, their places, fonts and tab
// order, the window's size and place, its skin.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include "GuiSupport.h"
#include "app/LayoutFont.h"
#include "app/ProgressBar.h"
#include "app/ScreenPlacement.h"
#include "app/SkinData.h"
#include "app/Unit1.h"

namespace tw {
namespace {

using test::ShowActive;
using test::WaitUntil;

struct Layout {
  const char *name;
  QRect box;
};

// Every control, with its place and size in the client area.
const Layout kLayout[] = {
    {"Label4", {19, 8, 84, 55}},      {"Label5", {110, 8, 363, 55}},
    {"Button1", {486, 25, 54, 25}},   {"Label1", {19, 78, 134, 16}},
    {"Edit1", {168, 76, 305, 21}},    {"pg", {19, 111, 521, 11}},
    {"CheckBox1", {19, 141, 241, 17}}, {"Button5", {389, 137, 54, 25}},
    {"Button6", {485, 137, 54, 25}},  {"Memo1", {19, 178, 521, 89}},
};

QWidget *Control(TForm1 &form, const char *name) {
  return form.findChild<QWidget *>(QString::fromLatin1(name));
}

TEST(MainWindow, StartsCentredEmptyWithLoadFocused) {
  TForm1 form;
  ASSERT_TRUE(ShowActive(&form));

  EXPECT_EQ(form.windowTitle(), "TIDEWELL");
  EXPECT_EQ(form.size(), ClientSizeForOuter({567, 341}));
  EXPECT_LE((form.frameGeometry().center() - ScreenArea(&form).center()).manhattanLength(), 2);

  EXPECT_EQ(form.Label4->text(), "Load  your sequence folder here...");
  EXPECT_EQ(form.Label5->text(), "");
  EXPECT_EQ(form.Label1->text(), "Result Name");
  EXPECT_EQ(form.Button1->text(), "LOAD...");
  EXPECT_EQ(form.Button5->text(), "FASTA");
  EXPECT_EQ(form.Button6->text(), "EXIT");
  EXPECT_EQ(form.CheckBox1->text(), "Please delete my .seq files after this process");
  EXPECT_EQ(form.Edit1->text(), "");
  EXPECT_EQ(form.Memo1->toPlainText(), "");
  EXPECT_FALSE(form.CheckBox1->isChecked());
  EXPECT_EQ(form.pg->Position(), 0);
  EXPECT_EQ(form.pg->Min(), 0);
  EXPECT_EQ(form.pg->Max(), 100);
  EXPECT_EQ(form.pg->value(), 0);  // drawn empty, not in Qt's "no value" state
  EXPECT_EQ(unit1::SeqFolder(), "");
  ASSERT_NE(unit1::SeqFileList(), nullptr);
  EXPECT_TRUE(unit1::SeqFileList()->empty());
  EXPECT_EQ(QApplication::focusWidget(), form.Button1);

  for (const Layout &control : kLayout) {
    QWidget *widget = Control(form, control.name);
    ASSERT_NE(widget, nullptr) << control.name;
    EXPECT_EQ(widget->geometry(), control.box) << control.name;
  }
  EXPECT_EQ(form.MainMenu1->objectName(), "MainMenu1");
  ASSERT_EQ(form.MainMenu1->actions().size(), 1);
  EXPECT_EQ(form.MainMenu1->actions()[0], form.Refseq1);
  EXPECT_EQ(form.Refseq1->objectName(), "Refseq1");
  EXPECT_EQ(form.Refseq1->text(), "ABOUT ORVAN FREE SOFTWARE");
  EXPECT_EQ(form.Refseq1->menu(), nullptr);
  EXPECT_TRUE(form.Refseq1->shortcut().isEmpty());
}

TEST(MainWindow, TabVisitsTheControlsInOrderAndNeverTheProgressBar) {
  TForm1 form;
  ASSERT_TRUE(ShowActive(&form));
  form.Memo1->setPlainText("typed");  // Tab leaves the log; it types no tab
  const QStringList expected = {"Button5", "Button6", "Memo1", "Edit1", "CheckBox1", "Button1"};
  QStringList visited;
  for (int i = 0; i < expected.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(visited, expected);
  EXPECT_EQ(form.Memo1->toPlainText(), "typed");
  EXPECT_EQ(form.pg->focusPolicy(), Qt::NoFocus);
  for (QPushButton *button : {form.Button1, form.Button5, form.Button6}) {
    EXPECT_FALSE(button->isDefault());
    EXPECT_FALSE(button->autoDefault());
  }
}

TEST(MainWindow, ResizingMovesNothingAndASmallWindowScrolls) {
  TForm1 form;
  ASSERT_TRUE(ShowActive(&form));
  QScrollArea *scroller = form.ClientScroller();
  for (const QSize size : {QSize(900, 700), QSize(300, 200), form.size()}) {
    form.resize(size);
    ASSERT_TRUE(WaitUntil([&] { return form.size() == size; }));
    QApplication::processEvents();
    for (const Layout &control : kLayout)
      EXPECT_EQ(Control(form, control.name)->geometry(), control.box)
          << control.name << " at " << size.width() << "x" << size.height();
    const bool small = size.width() < 540 || size.height() < 300;
    EXPECT_EQ(scroller->horizontalScrollBar()->isVisible(), small);
    EXPECT_EQ(scroller->verticalScrollBar()->isVisible(), small);
  }
  // The scroll bars reach to the far edges of the controls.
  form.resize(300, 200);
  ASSERT_TRUE(WaitUntil([&] { return form.size() == QSize(300, 200); }));
  QApplication::processEvents();
  const QSize view = scroller->viewport()->size();
  EXPECT_EQ(scroller->horizontalScrollBar()->maximum(), 540 - view.width());
  EXPECT_EQ(scroller->verticalScrollBar()->maximum(), 267 - view.height());
}

// The captions fit their fixed boxes in the fonts the window ends up with,
// the named face or its substitute.
TEST(MainWindow, CaptionsFitTheirBoxes) {
  TForm1 form;
  ASSERT_TRUE(ShowActive(&form));
  for (QWidget *control : {static_cast<QWidget *>(form.Label1), static_cast<QWidget *>(form.Button1),
                           static_cast<QWidget *>(form.Button5), static_cast<QWidget *>(form.Button6),
                           static_cast<QWidget *>(form.CheckBox1)})
    EXPECT_LE(control->sizeHint().width(), control->width()) << control->objectName().toStdString();
  EXPECT_LE(form.Label4->heightForWidth(form.Label4->width()), form.Label4->height());
  for (const Layout &control : kLayout) {
    const QFont font = Control(form, control.name)->font();
    const bool folderLabel = control.name == std::string_view("Label4") ||
                             control.name == std::string_view("Label5");
    EXPECT_EQ(font.pixelSize(), folderLabel ? 13 : 11) << control.name;
    EXPECT_EQ(font.family(), kLayoutFontFamily) << control.name;
  }
  EXPECT_EQ(form.MainMenu1->font().pixelSize(), 11);
  EXPECT_NEAR(AverageLetterWidth(LayoutFont(11)), 6.0, 0.5);
}

TEST(MainWindow, TextFieldsHoldTheirInputMethodName) {
  TForm1 form;
  for (QWidget *field : {static_cast<QWidget *>(form.Edit1), static_cast<QWidget *>(form.Memo1)})
    EXPECT_FALSE(field->property("ImeName").toString().isEmpty());
  EXPECT_EQ(form.Edit1->property("ImeName"), form.Memo1->property("ImeName"));
}

TEST(MainWindow, IsSkinnedBySkinData1) {
  TForm1 form;
  const TSkinData &skin = *form.SkinData1;
  EXPECT_TRUE(skin.Active);
  EXPECT_EQ(skin.DisableTag, 99);
  EXPECT_EQ(skin.SkinFormtype, TSkinData::sfMainform);
  EXPECT_EQ(form.Button5->styleSheet(), skin.Section("xcButton"));
  EXPECT_EQ(form.Edit1->styleSheet(), skin.Section("xcEdit"));
  EXPECT_EQ(form.Memo1->styleSheet(), skin.Section("xcEdit"));
  EXPECT_EQ(form.pg->styleSheet(), skin.Section("xcProgress"));
  EXPECT_EQ(form.CheckBox1->styleSheet(), skin.Section("xcCheckBox"));
  EXPECT_EQ(form.MainMenu1->styleSheet(), skin.Section("xcMainMenu"));
  EXPECT_EQ(form.styleSheet(), skin.Section("form"));
  EXPECT_EQ(form.Label5->styleSheet(), "");
}

}  // namespace
}  // namespace tw
