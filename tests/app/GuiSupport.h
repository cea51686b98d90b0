// Helpers for the tests of the window: waiting without sleeping, answering
// modal windows from inside their event loop, and recording the boxes the
// program shows.
//
//   ASSERT_TRUE(WaitUntil([&] { return form.isActiveWindow(); }));
//   WhenModalOpens([](QWidget *about) { QTest::mouseClick(about, Qt::LeftButton); });
//   BoxRecorder boxes;   ...   EXPECT_EQ(boxes.Texts(), (QStringList{"Done!!!"}));
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/FolderPicker.h"
#include "app/ModalBox.h"

namespace tw::test {

inline constexpr int kDeadlineMs = 5000;

// Processes events until done() holds; false when the deadline passed.
bool WaitUntil(const std::function<bool()> &done, int deadlineMs = kDeadlineMs);

// Shows a window and waits until it is active.
bool ShowActive(QWidget *window);

// Runs act on the next modal window once it is open, inside its event loop.
// A window that is still open at the deadline after act is closed, and the
// test fails, as it does when no modal window opens at all.
void WhenModalOpens(std::function<void(QWidget *)> act);

// Records every box the program shows, and answers it, for its lifetime.
class BoxRecorder {
 public:
  BoxRecorder();
  const std::vector<BoxRequest> &Boxes() const { return boxes_; }
  QStringList Texts() const;
  std::function<void(const BoxRequest &)> onBox;  // runs as each box is shown

 private:
  std::vector<BoxRequest> boxes_;
  ScopedBoxResponder responder_;
};

// Answers the folder picker with the given answers in turn, recording what
// it was asked.
class PickerAnswers {
 public:
  explicit PickerAnswers(std::vector<std::optional<std::string>> answers);
  const std::vector<FolderPickRequest> &Requests() const { return requests_; }

 private:
  std::vector<std::optional<std::string>> answers_;
  std::vector<FolderPickRequest> requests_;
  ScopedFolderPicker picker_;
};

QString Q(const std::string &utf8);

}  // namespace tw::test
