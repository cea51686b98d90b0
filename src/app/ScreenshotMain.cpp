// tidewell-screenshot: takes the screenshots of docs/ (scripts/screenshot
// runs it under Xvfb). It starts the program as tidewell does, uses it as a
// user would - LOAD... with a folder, a result name, FASTA, the About
// dialog - and grabs the screen around the main window twice:
//
//   screenshot.png         the window after the run
//   screenshot-about.png   the About dialog over the window
//
// Xvfb runs no window manager, so the windows have no frames or title bars.
//
//   tidewell-screenshot <output folder> <folder of .seq files> <result name>
//
// Only the folder picker is answered by the program itself, since Qt's
// dialog would need a user; everything else is the real window.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <functional>
#include <string>

#include "app/Application.h"
#include "app/FolderPicker.h"
#include "app/Program.h"
#include "app/Unit1.h"

namespace {

// Lets the window system show and paint a window.
void Settle(QWidget *window) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 5000 &&
         (window->windowHandle() == nullptr || !window->windowHandle()->isExposed()))
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  window->repaint();
  QApplication::sync();
  while (clock.elapsed() < 5300) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool SaveScreen(const QString &path, const QWidget &around) {
  const QRect area = around.frameGeometry();
  const QPixmap shot =
      around.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
  const bool saved = shot.save(path, "PNG");
  std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
  return saved;
}

// Runs act on the next modal window, once it is open.
void WhenModalOpens(std::function<void(QWidget *)> act) {
  auto *poll = new QTimer;
  poll->setInterval(20);
  QObject::connect(poll, &QTimer::timeout, [poll, act = std::move(act)] {
    QWidget *modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    poll->stop();
    poll->deleteLater();
    Settle(modal);
    act(modal);
  });
  poll->start();
}

}  // namespace

int main(int argc, char **argv) {
  tw::Application app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s <output folder> <folder of .seq files> <result name>\n",
                 argv[0]);
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  const std::string folder = argv[2];
  const QString resultName = QString::fromLocal8Bit(argv[3]);

  tw::Program program;
  program.Show();
  tw::TForm1 &form = program.Form1();
  Settle(&form);

  {
    tw::ScopedFolderPicker picker([&](const tw::FolderPickRequest &) { return folder; });
    form.Button1->click();
  }
  form.Edit1->setFocus();
  form.Edit1->setText(resultName);

  bool saved = true;
  WhenModalOpens([](QWidget *doneBox) { doneBox->close(); });
  form.Button5->click();
  Settle(&form);
  saved &= SaveScreen(out.filePath(QStringLiteral("screenshot.png")), form);

  WhenModalOpens([&](QWidget *about) {
    saved &= SaveScreen(out.filePath(QStringLiteral("screenshot-about.png")), form);
    about->close();
  });
  form.Refseq1->trigger();
  return saved ? 0 : 1;
}
