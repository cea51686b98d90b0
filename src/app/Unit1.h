// The main window, Form1 of class TForm1: the folder display, the result
// name, the delete option, the progress bar, the log, the buttons LOAD...,
// FASTA and EXIT, and a menu bar with the one item that opens the About
// dialog.
//
// Every control has its fixed place and size in the client area below the
// menu bar; nothing is anchored, so resizing the window moves and stretches
// nothing, and a window made smaller than its controls gets scroll bars.
// The Tab key visits LOAD..., FASTA, EXIT, the log, the result name and the
// check box, and starts again at LOAD...; the progress bar takes no focus.
//
// The window is the build run's host (fasta/BuildRun.h): FASTA runs the run
// with the window's own controls. Every handler runs through the one
// failure handler (FailureHandler.h).
//
// The unit's shared state is no part of the window: SeqFolder, the chosen
// folder, and SeqFileList, the names the last build run listed (below).
#pragma once

#include <QMainWindow>

#include <string>
#include <string_view>

#include "fasta/BuildRun.h"
#include "fasta/FileList.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

namespace tw {

class TProgressBar;
class TSkinData;

// The unit's shared state. SeqFolder is empty until a folder is confirmed;
// SeqFileList exists from FormCreate to FormClose (null outside that time).
namespace unit1 {
const std::string &SeqFolder();
void SetSeqFolder(std::string folder);
StringList *SeqFileList();
}  // namespace unit1

inline constexpr std::string_view kPickerTitle = "Please select the folder";

class TForm1 : public QMainWindow, public BuildRunHost {
  Q_OBJECT

 public:
  explicit TForm1(QWidget *parent = nullptr);
  ~TForm1() override;

  QLabel *Label4;
  QLabel *Label5;
  QPushButton *Button1;
  TProgressBar *pg;
  QPushButton *Button5;
  QPushButton *Button6;
  QPlainTextEdit *Memo1;
  TSkinData *SkinData1;
  QLabel *Label1;
  QLineEdit *Edit1;
  QMenuBar *MainMenu1;
  QAction *Refseq1;
  QCheckBox *CheckBox1;

  void Refseq1Click();
  void Button6Click();
  void Button1Click();
  void Button5Click();
  void LoadfileList1() override;
  void FormCreate();
  void FormClose();

  // What the build run reads and changes on the window.
  std::string ResultName() const override;
  bool DeleteOption() const override;
  std::string SeqFolder() const override;
  const StringList &SeqFileList() const override;
  int ProgressPosition() const override;
  void SetProgressPosition(int position) override;
  void SetProgressMin(int min) override;
  void SetProgressMax(int max) override;
  void ClearLog() override;
  void AppendLog(std::string_view line) override;
  void ShowMessage(std::string_view text) override;

  // The area that holds the controls; it scrolls when the window is smaller.
  QScrollArea *ClientScroller() const { return scroller_; }

 protected:
  void showEvent(QShowEvent *event) override;
  void closeEvent(QCloseEvent *event) override;

 private:
  void CreateControls(QWidget *client);
  void CreateMenu();
  void SetTabOrder();
  void ApplySkin();

  QScrollArea *scroller_;
  bool shown_ = false;
};

}  // namespace tw
