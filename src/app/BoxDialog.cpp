#include "app/BoxDialog.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

#include "app/ScreenPlacement.h"

namespace tw {

int BoxDialog::TextWidthLimit(const QWidget *owner) {
  QScreen *screen = owner != nullptr ? owner->screen() : nullptr;
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->geometry().width() / 2 : 400;
}

BoxDialog::BoxDialog(const BoxRequest &request, QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("ModalBox"));
  setWindowTitle(request.caption);
  setModal(true);

  auto *body = new QHBoxLayout;
  body->setSpacing(style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing) * 2);
  if (request.kind == BoxKind::Error) {
    icon_ = new QLabel(this);
    icon_->setObjectName(QStringLiteral("BoxIcon"));
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon_->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical, nullptr, this)
                         .pixmap(size, size));
    icon_->setAlignment(Qt::AlignTop);
    body->addWidget(icon_, 0, Qt::AlignTop);
  }

  text_ = new QLabel(request.text, this);
  text_->setObjectName(QStringLiteral("BoxText"));
  text_->setTextFormat(Qt::PlainText);
  text_->setWordWrap(true);
  const int limit = TextWidthLimit(owner);
  const QRect needed = QFontMetrics(text_->font())
                           .boundingRect(QRect(0, 0, limit, 0), Qt::TextWordWrap, request.text);
  text_->setFixedWidth(std::clamp(needed.width() + 1, 1, limit));
  body->addWidget(text_, 1, Qt::AlignVCenter);

  ok_ = new QPushButton(tr("OK"), this);
  ok_->setObjectName(QStringLiteral("BoxOk"));
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  // Esc rejects a QDialog: the OK button is the escape button too.

  auto *buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addStretch();

  auto *layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addLayout(body);
  layout->addSpacing(style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing));
  layout->addLayout(buttons);

  adjustSize();
}

void BoxDialog::showEvent(QShowEvent *event) {
  CentreOnScreen(this);
  QDialog::showEvent(event);
}

}  // namespace tw
