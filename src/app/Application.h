// The application object: Qt's, with what this program asks of it.
//
// - The program's icon, which every window of the program shows in its
//   title bar (the About dialog has none of its own).
// - The program sets no title of its own: the boxes take theirs from the
//   program file's name (AppTitle.h).
// - A last guard behind RunHandler (FailureHandler.h): should an event
//   handler ever let an exception escape, notify hands it to the same
//   failure handler instead of letting it end the program.
//
//   int main(int argc, char **argv) {
//     tw::Application app(argc, argv);
//     ...
//     return app.exec();
//   }
#pragma once

#include <QApplication>

namespace tw {

class Application : public QApplication {
  Q_OBJECT

 public:
  Application(int &argc, char **argv);

  bool notify(QObject *receiver, QEvent *event) override;
};

}  // namespace tw
