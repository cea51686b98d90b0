#include "app/ModalBox.h"

#include <QApplication>

#include <utility>

#include "app/AppTitle.h"
#include "app/BoxDialog.h"
#include "app/Utf8.h"

namespace tw {
namespace {

BoxResponder &Responder() {
  static BoxResponder responder;
  return responder;
}

}  // namespace

ScopedBoxResponder::ScopedBoxResponder(BoxResponder responder)
    : previous_(std::exchange(Responder(), std::move(responder))) {}

ScopedBoxResponder::~ScopedBoxResponder() { Responder() = std::move(previous_); }

void ShowModalBox(BoxKind kind, const QString &text) {
  const BoxRequest request{kind, ApplicationTitle(), text};
  if (Responder()) {
    Responder()(request);
    return;
  }
  QWidget *owner = QApplication::activeModalWidget();
  if (owner == nullptr) owner = QApplication::activeWindow();
  BoxDialog box(request, owner);
  box.exec();
}

void ShowMessage(std::string_view text) { ShowModalBox(BoxKind::Message, FromUtf8(text)); }

void ShowErrorBox(std::string_view text) { ShowModalBox(BoxKind::Error, FromUtf8(text)); }

}  // namespace tw
