#include "app/SkinData.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

#include "app/AppResources.h"

namespace tw {
namespace {

constexpr char kFormSection[] = "form";

QHash<QString, QString> ReadSections(const QString &resource) {
  QFile file(resource);
  QHash<QString, QString> sections;
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return sections;
  static const QRegularExpression heading(QStringLiteral(R"(^/\*\s*@section\s+(\w+)\s*\*/\s*$)"));
  QString current;
  for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
    const QRegularExpressionMatch match = heading.match(line);
    if (match.hasMatch()) {
      current = match.captured(1);
    } else if (!current.isEmpty()) {
      sections[current].append(line).append(QLatin1Char('\n'));
    }
  }
  for (QString &sheet : sections) sheet = sheet.trimmed();
  return sections;
}

// A line edit that is part of a combo or spin box belongs to that box.
bool InsideCompound(const QWidget *widget) {
  const QWidget *parent = widget->parentWidget();
  return qobject_cast<const QComboBox *>(parent) != nullptr ||
         qobject_cast<const QAbstractSpinBox *>(parent) != nullptr;
}

}  // namespace

TSkinData::TSkinData(QObject *parent) : QObject(parent) {
  EnsureAppResources();
  sections_ = ReadSections(QString::fromLatin1(kSkinResource));
}

std::optional<TSkinData::SkinControl> TSkinData::KindOf(const QWidget *widget) {
  if (qobject_cast<const QMenuBar *>(widget)) return xcMainMenu;
  if (qobject_cast<const QMenu *>(widget)) return xcPopupMenu;
  if (qobject_cast<const QToolBar *>(widget)) return xcToolbar;
  if (qobject_cast<const QComboBox *>(widget)) return xcCombo;
  if (qobject_cast<const QCheckBox *>(widget)) return xcCheckBox;
  if (qobject_cast<const QRadioButton *>(widget)) return xcRadioButton;
  if (qobject_cast<const QProgressBar *>(widget)) return xcProgress;
  if (qobject_cast<const QScrollBar *>(widget)) return xcScrollbar;
  if (qobject_cast<const QAbstractSpinBox *>(widget)) return xcSpin;
  if (qobject_cast<const QLineEdit *>(widget))
    return InsideCompound(widget) ? std::nullopt : std::optional(xcEdit);
  if (qobject_cast<const QPlainTextEdit *>(widget) || qobject_cast<const QTextEdit *>(widget))
    return xcEdit;
  if (auto *button = qobject_cast<const QPushButton *>(widget))
    return button->icon().isNull() ? xcButton : xcBitBtn;
  if (qobject_cast<const QToolButton *>(widget)) return xcSpeedButton;
  if (qobject_cast<const QGroupBox *>(widget)) return xcGroupBox;
  if (qobject_cast<const QStatusBar *>(widget)) return xcStatusBar;
  if (qobject_cast<const QTabBar *>(widget) || qobject_cast<const QTabWidget *>(widget))
    return xcTab;
  if (qobject_cast<const QSlider *>(widget)) return xcTrackBar;
  // A plain frame is a panel; labels and the like are frames of a subclass.
  if (qstrcmp(widget->metaObject()->className(), "QFrame") == 0) return xcPanel;
  return std::nullopt;
}

QString TSkinData::SectionName(SkinControl kind) {
  static const QHash<SkinControl, QString> names = {
      {xcMainMenu, QStringLiteral("xcMainMenu")},
      {xcPopupMenu, QStringLiteral("xcPopupMenu")},
      {xcToolbar, QStringLiteral("xcToolbar")},
      {xcControlbar, QStringLiteral("xcControlbar")},
      {xcCombo, QStringLiteral("xcCombo")},
      {xcCheckBox, QStringLiteral("xcCheckBox")},
      {xcRadioButton, QStringLiteral("xcRadioButton")},
      {xcProgress, QStringLiteral("xcProgress")},
      {xcScrollbar, QStringLiteral("xcScrollbar")},
      {xcEdit, QStringLiteral("xcEdit")},
      {xcButton, QStringLiteral("xcButton")},
      {xcBitBtn, QStringLiteral("xcBitBtn")},
      {xcSpeedButton, QStringLiteral("xcSpeedButton")},
      {xcSpin, QStringLiteral("xcSpin")},
      {xcPanel, QStringLiteral("xcPanel")},
      {xcGroupBox, QStringLiteral("xcGroupBox")},
      {xcStatusBar, QStringLiteral("xcStatusBar")},
      {xcTab, QStringLiteral("xcTab")},
      {xcTrackBar, QStringLiteral("xcTrackBar")},
      {xcSystemMenu, QStringLiteral("xcSystemMenu")},
  };
  return names.value(kind);
}

QString TSkinData::Section(const QString &name) const { return sections_.value(name); }

void TSkinData::Attach(QWidget *form) {
  if (!Active || form == nullptr) return;
  form_ = form;
  if (SkinFormtype == sfMainform && !Exempt(form))
    form->setStyleSheet(Section(QString::fromLatin1(kFormSection)));
  for (QWidget *widget : form->findChildren<QWidget *>()) Paint(widget);
  qApp->installEventFilter(this);
}

bool TSkinData::Exempt(const QWidget *widget) const {
  bool tagged = false;
  const int tag = widget->property("tag").toInt(&tagged);
  return tagged && tag == DisableTag;
}

bool TSkinData::OnForm(const QWidget *widget) const {
  for (const QWidget *w = widget; w != nullptr; w = w->parentWidget())
    if (w == form_) return true;
  return false;
}

void TSkinData::Paint(QWidget *widget) const {
  const std::optional<SkinControl> kind = KindOf(widget);
  if (!kind || !SkinControls.testFlag(*kind) || Exempt(widget)) return;
  const QString sheet = Section(SectionName(*kind));
  if (widget->styleSheet() == sheet) return;
  // A style sheet without fonts would reset the control's font to the
  // application's; the skin changes colours and frames, not fonts.
  const QFont font = widget->font();
  widget->setStyleSheet(sheet);
  widget->setFont(font);
}

bool TSkinData::eventFilter(QObject *watched, QEvent *event) {
  // Controls made after Attach are painted before they are first shown.
  if (event->type() == QEvent::Polish && form_ != nullptr && watched->isWidgetType()) {
    auto *widget = static_cast<QWidget *>(watched);
    if (widget != form_ && OnForm(widget)) Paint(widget);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tw
