// SkinData1, the main window's skin component (TSkinData): it paints the
// window and its standard controls from the skin compiled into the program,
// skin/tidewell.qss.
//
// The skin is a Qt style sheet in sections, one for each kind of control,
// each headed by the kind's name in a comment of its own:
//
//   /* @section xcButton */
//   QPushButton { border: 1px solid #8d9ba8; ... }
//
// Attach(form) gives every control of the form, now and later (a context
// menu made when it opens, say), the section of its kind (KindOf), when the
// kind is one of SkinControls and the control does not carry the tag
// DisableTag: the dynamic property "tag", as in
//   button->setProperty("tag", 99);     // left as Qt draws it
// With SkinFormtype sfMainform the section "form" paints the window itself.
// Labels are no kind of their own: they stand on the painted window.
//
// Held without effect: Options (xoPreview, xoToolbarBK: there is no skin
// preview and no tool bar), MenuUpdate (Qt repaints a menu whose items
// change by itself) and MenuMerge (the program has no child windows whose
// menus could merge); xcControlbar and xcSystemMenu name no Qt control (the
// system menu belongs to the window manager).
#pragma once

#include <QFlags>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>

namespace tw {

class TSkinData : public QObject {
  Q_OBJECT

 public:
  enum SkinControl : unsigned {
    xcMainMenu = 1u << 0,
    xcPopupMenu = 1u << 1,
    xcToolbar = 1u << 2,
    xcControlbar = 1u << 3,
    xcCombo = 1u << 4,
    xcCheckBox = 1u << 5,
    xcRadioButton = 1u << 6,
    xcProgress = 1u << 7,
    xcScrollbar = 1u << 8,
    xcEdit = 1u << 9,
    xcButton = 1u << 10,
    xcBitBtn = 1u << 11,
    xcSpeedButton = 1u << 12,
    xcSpin = 1u << 13,
    xcPanel = 1u << 14,
    xcGroupBox = 1u << 15,
    xcStatusBar = 1u << 16,
    xcTab = 1u << 17,
    xcTrackBar = 1u << 18,
    xcSystemMenu = 1u << 19,
  };
  Q_DECLARE_FLAGS(SkinControlSet, SkinControl)

  enum SkinOption : unsigned { xoPreview = 1u << 0, xoToolbarBK = 1u << 1 };
  Q_DECLARE_FLAGS(SkinOptions, SkinOption)

  enum SkinFormType { sfMainform, sfDialog };

  explicit TSkinData(QObject *parent = nullptr);

  bool Active = false;
  SkinControlSet SkinControls;
  SkinOptions Options;
  SkinFormType SkinFormtype = sfMainform;
  bool MenuUpdate = false;
  bool MenuMerge = false;
  int DisableTag = 99;

  // Paints form and its controls, when Active.
  void Attach(QWidget *form);

  // The kind of control a widget is, or none.
  static std::optional<SkinControl> KindOf(const QWidget *widget);
  static QString SectionName(SkinControl kind);

  // A section of the skin by name ("form", "xcButton"); empty if none.
  QString Section(const QString &name) const;

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

 private:
  bool Exempt(const QWidget *widget) const;
  bool OnForm(const QWidget *widget) const;
  void Paint(QWidget *widget) const;

  QHash<QString, QString> sections_;
  QPointer<QWidget> form_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TSkinData::SkinControlSet)
Q_DECLARE_OPERATORS_FOR_FLAGS(TSkinData::SkinOptions)

}  // namespace tw
