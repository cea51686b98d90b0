#include "GuiSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <memory>

#include <gtest/gtest.h>

namespace tw::test {

bool WaitUntil(const std::function<bool()> &done, int deadlineMs) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > deadlineMs) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

bool ShowActive(QWidget *window) {
  window->show();
  window->activateWindow();
  return WaitUntil([window] { return window->isActiveWindow(); });
}

void WhenModalOpens(std::function<void(QWidget *)> act) {
  struct Watch {
    std::function<void(QWidget *)> act;
    QElapsedTimer clock;
    bool acted = false;
    QPointer<QWidget> modal;
  };
  auto watch = std::make_shared<Watch>();
  watch->act = std::move(act);
  watch->clock.start();
  auto *poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, [watch, poll] {
    const bool late = watch->clock.elapsed() > kDeadlineMs;
    if (!watch->acted) {
      if (QWidget *modal = QApplication::activeModalWidget()) {
        watch->acted = true;
        watch->modal = modal;
        watch->clock.restart();
        watch->act(modal);
        return;
      }
      if (!late) return;
      ADD_FAILURE() << "no modal window opened";
    } else if (watch->modal && watch->modal->isVisible()) {
      if (!late) return;
      ADD_FAILURE() << "the modal window " << watch->modal->objectName().toStdString()
                    << " stayed open";
      watch->modal->close();
    }
    poll->stop();
    poll->deleteLater();
  });
  poll->start(5);
}

BoxRecorder::BoxRecorder()
    : responder_([this](const BoxRequest &box) {
        boxes_.push_back(box);
        if (onBox) onBox(box);
      }) {}

QStringList BoxRecorder::Texts() const {
  QStringList texts;
  for (const BoxRequest &box : boxes_) texts << box.text;
  return texts;
}

PickerAnswers::PickerAnswers(std::vector<std::optional<std::string>> answers)
    : answers_(std::move(answers)), picker_([this](const FolderPickRequest &request) {
        requests_.push_back(request);
        if (requests_.size() > answers_.size()) {
          ADD_FAILURE() << "the folder picker was opened more often than expected";
          return std::optional<std::string>();
        }
        return answers_[requests_.size() - 1];
      }) {}

QString Q(const std::string &utf8) { return QString::fromStdString(utf8); }

}  // namespace tw::test
