// The skin component: which controls it paints, and with what.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

#include "app/SkinData.h"

namespace tw {
namespace {

struct Window {
  QMainWindow form;
  QPushButton *button = new QPushButton("OK", &form);
  QPushButton *tagged = new QPushButton("Tagged", &form);
  QCheckBox *check = new QCheckBox("Box", &form);
  QLabel *label = new QLabel("Label", &form);
  QSpinBox *spin = new QSpinBox(&form);
  Window() { tagged->setProperty("tag", 99); }
};

TEST(SkinData, EverySectionOfTheSkinIsThere) {
  TSkinData skin;
  EXPECT_FALSE(skin.Section("form").isEmpty());
  for (unsigned bit = 1; bit <= TSkinData::xcSystemMenu; bit <<= 1) {
    const auto kind = static_cast<TSkinData::SkinControl>(bit);
    if (kind == TSkinData::xcControlbar || kind == TSkinData::xcSystemMenu) continue;
    EXPECT_FALSE(skin.Section(TSkinData::SectionName(kind)).isEmpty())
        << TSkinData::SectionName(kind).toStdString();
  }
}

TEST(SkinData, PaintsTheChosenKindsExceptControlsTaggedToBeLeftAlone) {
  Window window;
  TSkinData skin;
  skin.Active = true;
  skin.SkinControls = TSkinData::xcButton | TSkinData::xcPopupMenu | TSkinData::xcSpin;
  skin.Attach(&window.form);

  EXPECT_EQ(window.button->styleSheet(), skin.Section("xcButton"));
  EXPECT_EQ(window.tagged->styleSheet(), "");
  EXPECT_EQ(window.check->styleSheet(), "");  // not a chosen kind
  EXPECT_EQ(window.label->styleSheet(), "");  // no kind at all
  EXPECT_EQ(window.spin->styleSheet(), skin.Section("xcSpin"));
  const auto inner = window.spin->findChildren<QLineEdit *>();
  ASSERT_EQ(inner.size(), 1);
  EXPECT_EQ(inner[0]->styleSheet(), "");  // part of the spin box
  EXPECT_EQ(window.form.styleSheet(), skin.Section("form"));

  // A menu made later, as a context menu is when it opens.
  auto *menu = new QMenu(window.button);
  menu->ensurePolished();
  EXPECT_EQ(menu->styleSheet(), skin.Section("xcPopupMenu"));
  auto *taggedMenu = new QMenu(window.button);
  taggedMenu->setProperty("tag", 99);
  taggedMenu->ensurePolished();
  EXPECT_EQ(taggedMenu->styleSheet(), "");
  // A menu of another window is not this skin's.
  QMenu stranger;
  stranger.ensurePolished();
  EXPECT_EQ(stranger.styleSheet(), "");
}

TEST(SkinData, PaintsNothingWhenNotActive) {
  Window window;
  TSkinData skin;
  skin.SkinControls = TSkinData::xcButton;
  skin.Attach(&window.form);
  EXPECT_EQ(window.button->styleSheet(), "");
  EXPECT_EQ(window.form.styleSheet(), "");
}

TEST(SkinData, KeepsTheControlsFonts) {
  Window window;
  QFont font("MS Sans Serif");
  font.setPixelSize(11);
  window.button->setFont(font);
  TSkinData skin;
  skin.Active = true;
  skin.SkinControls = TSkinData::xcButton;
  skin.Attach(&window.form);
  EXPECT_EQ(window.button->font().pixelSize(), 11);
}

}  // namespace
}  // namespace tw
