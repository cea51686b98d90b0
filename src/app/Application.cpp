#include "app/Application.h"

#include <QIcon>

#include "app/AppResources.h"
#include "app/FailureHandler.h"

namespace tw {

Application::Application(int &argc, char **argv) : QApplication(argc, argv) {
  EnsureAppResources();
  QIcon icon;
  for (const char *resource : {kIconResource, kIconResource32, kIconResource48})
    icon.addFile(QString::fromLatin1(resource));
  setWindowIcon(icon);
}

bool Application::notify(QObject *receiver, QEvent *event) {
  bool handled = false;
  RunHandler([&] { handled = QApplication::notify(receiver, event); });
  return handled;
}

}  // namespace tw
