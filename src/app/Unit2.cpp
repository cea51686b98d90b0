#include "app/Unit2.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "app/ClickLabel.h"
#include "app/LayoutFont.h"
#include "app/FailureHandler.h"
#include "app/ScreenPlacement.h"

namespace tw {
namespace {

constexpr QSize kOuterSize{223, 127};

ClickLabel *MakeLabel(QWidget *dialog, const char *name, const QString &caption, QRect box) {
  auto *label = new ClickLabel(caption, dialog);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setFont(LayoutFont(16, /*bold=*/true));
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(box);
  return label;
}

}  // namespace

QPointer<Tfrmabout> frmabout;

Tfrmabout::Tfrmabout(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("frmabout"));
  setWindowTitle(QStringLiteral("frmabout"));
  setFont(LayoutFont(11));
  resize(ClientSizeForOuter(kOuterSize));

  Label1 = MakeLabel(this, "Label1", QStringLiteral("Thank You For "), QRect(43, 18, 121, 25));
  Label2 = MakeLabel(this, "Label2", QStringLiteral("Choosing Orvan."), QRect(38, 48, 137, 25));
  connect(Label1, &ClickLabel::clicked, this, Handled([this] { Label1Click(); }));
  connect(Label2, &ClickLabel::clicked, this, Handled([this] { Label1Click(); }));
}

void Tfrmabout::ShowModal() { exec(); }

void Tfrmabout::FormClose() { setAttribute(Qt::WA_DeleteOnClose); }

void Tfrmabout::FormClick() { close(); }

void Tfrmabout::Label1Click() { close(); }

void Tfrmabout::showEvent(QShowEvent *event) {
  CentreOnScreen(this);
  QDialog::showEvent(event);
}

void Tfrmabout::closeEvent(QCloseEvent *event) {
  RunHandler([this] { FormClose(); });
  QDialog::closeEvent(event);
}

void Tfrmabout::mousePressEvent(QMouseEvent *event) { click_.Press(event); }

void Tfrmabout::mouseReleaseEvent(QMouseEvent *event) {
  if (click_.Release(event, rect())) RunHandler([this] { FormClick(); });
}

void Tfrmabout::keyPressEvent(QKeyEvent *event) {
  switch (event->key()) {
    case Qt::Key_Escape:  // no cancel button
    case Qt::Key_Return:  // no default button
    case Qt::Key_Enter:
      event->accept();
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

}  // namespace tw
