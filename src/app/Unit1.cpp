#include "app/Unit1.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>

#include <limits>
#include <memory>
#include <optional>
#include <utility>

#include "app/LayoutFont.h"
#include "app/FailureHandler.h"
#include "app/FolderCaption.h"
#include "app/FolderPicker.h"
#include "app/ModalBox.h"
#include "app/ProgressBar.h"
#include "app/ScreenPlacement.h"
#include "app/SkinData.h"
#include "app/Unit2.h"
#include "app/Utf8.h"

namespace tw {

// The unit's shared state.
namespace {
std::string SeqFolderValue;
std::unique_ptr<StringList> SeqFileListValue;
}  // namespace

namespace unit1 {
const std::string &SeqFolder() { return SeqFolderValue; }
void SetSeqFolder(std::string folder) { SeqFolderValue = std::move(folder); }
StringList *SeqFileList() { return SeqFileListValue.get(); }
}  // namespace unit1

namespace {

constexpr QSize kOuterSize{567, 341};

// The input method that the two text fields name. On a system with a
// double-byte East Asian code page it would be switched on while the field
// has the focus; Linux systems use UTF-8 throughout, so it is held as the
// fields' property "ImeName" and has no effect.
constexpr char kImeName[] = "Chinese (Simplified) - QuanPin";

template <typename Control, typename... Args>
Control *Place(QWidget *client, const char *name, QRect box, Args &&...args) {
  auto *control = new Control(std::forward<Args>(args)..., client);
  control->setObjectName(QString::fromLatin1(name));
  // The window's font, set on each control: a control with a style sheet of
  // its own (the skin's) would not inherit it.
  control->setFont(LayoutFont(11));
  control->setGeometry(box);
  return control;
}

QLabel *FolderLabel(QWidget *client, const char *name, QRect box, const QString &caption) {
  auto *label = Place<QLabel>(client, name, box, caption);
  label->setTextFormat(Qt::PlainText);
  label->setFont(LayoutFont(13));
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

QPushButton *Button(QWidget *client, const char *name, QRect box, const QString &caption) {
  auto *button = Place<QPushButton>(client, name, box, caption);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

}  // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("TIDEWELL"));
  setFont(LayoutFont(11));
  resize(ClientSizeForOuter(kOuterSize));

  scroller_ = new QScrollArea(this);
  scroller_->setObjectName(QStringLiteral("ClientScroller"));
  scroller_->setFrameShape(QFrame::NoFrame);
  scroller_->setFocusPolicy(Qt::NoFocus);
  scroller_->setWidgetResizable(true);
  scroller_->viewport()->setAutoFillBackground(false);

  auto *client = new QWidget;
  client->setObjectName(QStringLiteral("ClientArea"));
  client->setAutoFillBackground(false);
  CreateControls(client);
  // The scroll range: the extent of the controls, from the client's corner.
  client->setMinimumSize(client->childrenRect().bottomRight().x() + 1,
                         client->childrenRect().bottomRight().y() + 1);
  scroller_->setWidget(client);
  setCentralWidget(scroller_);

  CreateMenu();
  SetTabOrder();
  ApplySkin();

  connect(Button1, &QPushButton::clicked, this, Handled([this] { Button1Click(); }));
  connect(Button5, &QPushButton::clicked, this, Handled([this] { Button5Click(); }));
  connect(Button6, &QPushButton::clicked, this, Handled([this] { Button6Click(); }));
  connect(Refseq1, &QAction::triggered, this, Handled([this] { Refseq1Click(); }));

  RunHandler([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::CreateControls(QWidget *client) {
  Label4 = FolderLabel(client, "Label4", {19, 8, 84, 55},
                       QStringLiteral("Load  your sequence folder here..."));
  Label5 = FolderLabel(client, "Label5", {110, 8, 363, 55}, QString());
  Button1 = Button(client, "Button1", {486, 25, 54, 25}, QStringLiteral("LOAD..."));
  pg = Place<TProgressBar>(client, "pg", {19, 111, 521, 11});
  Button5 = Button(client, "Button5", {389, 137, 54, 25}, QStringLiteral("FASTA"));
  Button6 = Button(client, "Button6", {485, 137, 54, 25}, QStringLiteral("EXIT"));

  Memo1 = Place<QPlainTextEdit>(client, "Memo1", {19, 178, 521, 89});
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setTabChangesFocus(true);
  Memo1->setProperty("ImeName", QString::fromLatin1(kImeName));

  Label1 = Place<QLabel>(client, "Label1", {19, 78, 134, 16}, QStringLiteral("Result Name"));
  Label1->setTextFormat(Qt::PlainText);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  Edit1 = Place<QLineEdit>(client, "Edit1", {168, 76, 305, 21});
  Edit1->setMaxLength(std::numeric_limits<int>::max());
  Edit1->setProperty("ImeName", QString::fromLatin1(kImeName));

  CheckBox1 = Place<QCheckBox>(client, "CheckBox1", {19, 141, 241, 17},
                               QStringLiteral("Please delete my .seq files after this process"));
}

void TForm1::CreateMenu() {
  MainMenu1 = menuBar();
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
  MainMenu1->setFont(LayoutFont(11));
  Refseq1 = MainMenu1->addAction(QStringLiteral("ABOUT ORVAN FREE SOFTWARE"));
  Refseq1->setObjectName(QStringLiteral("Refseq1"));
}

void TForm1::SetTabOrder() {
  QWidget::setTabOrder(Button1, Button5);
  QWidget::setTabOrder(Button5, Button6);
  QWidget::setTabOrder(Button6, Memo1);
  QWidget::setTabOrder(Memo1, Edit1);
  QWidget::setTabOrder(Edit1, CheckBox1);
}

void TForm1::ApplySkin() {
  SkinData1 = new TSkinData(this);
  SkinData1->setObjectName(QStringLiteral("SkinData1"));
  SkinData1->Active = true;
  SkinData1->SkinControls =
      TSkinData::xcMainMenu | TSkinData::xcPopupMenu | TSkinData::xcToolbar |
      TSkinData::xcControlbar | TSkinData::xcCombo | TSkinData::xcCheckBox |
      TSkinData::xcRadioButton | TSkinData::xcProgress | TSkinData::xcScrollbar |
      TSkinData::xcEdit | TSkinData::xcButton | TSkinData::xcBitBtn | TSkinData::xcSpeedButton |
      TSkinData::xcSpin | TSkinData::xcPanel | TSkinData::xcGroupBox | TSkinData::xcStatusBar |
      TSkinData::xcTab | TSkinData::xcTrackBar | TSkinData::xcSystemMenu;
  SkinData1->Options = TSkinData::xoPreview | TSkinData::xoToolbarBK;
  SkinData1->SkinFormtype = TSkinData::sfMainform;
  SkinData1->MenuUpdate = true;
  SkinData1->MenuMerge = false;
  SkinData1->DisableTag = 99;
  SkinData1->Attach(this);
}

void TForm1::FormCreate() {
  SeqFileListValue = std::make_unique<StringList>();
  SeqFolderValue.clear();
}

void TForm1::FormClose() { SeqFileListValue.reset(); }

void TForm1::Button6Click() { close(); }

void TForm1::Refseq1Click() {
  frmabout = new Tfrmabout(this);
  frmabout->ShowModal();
}

void TForm1::Button1Click() {
  Edit1->clear();
  const std::optional<std::string> folder = PickFolder(kPickerTitle, this);
  if (!folder) return;
  unit1::SetSeqFolder(*folder);
  Label5->setText(FromUtf8(FolderCaption(*folder)));
}

void TForm1::Button5Click() { RunFastaBuild(*this); }

void TForm1::LoadfileList1() {
  if (StringList *list = unit1::SeqFileList()) LoadSeqFileList(unit1::SeqFolder(), *list);
}

std::string TForm1::ResultName() const { return Edit1->text().toUtf8().toStdString(); }

bool TForm1::DeleteOption() const { return CheckBox1->isChecked(); }

std::string TForm1::SeqFolder() const { return unit1::SeqFolder(); }

const StringList &TForm1::SeqFileList() const {
  static const StringList released;
  const StringList *list = unit1::SeqFileList();
  return list != nullptr ? *list : released;
}

int TForm1::ProgressPosition() const { return pg->Position(); }

void TForm1::SetProgressPosition(int position) { pg->SetPosition(position); }

void TForm1::SetProgressMin(int min) { pg->SetMin(min); }

void TForm1::SetProgressMax(int max) { pg->SetMax(max); }

void TForm1::ClearLog() { Memo1->clear(); }

void TForm1::AppendLog(std::string_view line) { Memo1->appendPlainText(FromUtf8(line)); }

void TForm1::ShowMessage(std::string_view text) { ::tw::ShowMessage(text); }

void TForm1::showEvent(QShowEvent *event) {
  if (!shown_) {
    shown_ = true;
    CentreOnScreen(this);
  }
  QMainWindow::showEvent(event);
}

void TForm1::closeEvent(QCloseEvent *event) {
  RunHandler([this] { FormClose(); });
  event->accept();
}

}  // namespace tw
