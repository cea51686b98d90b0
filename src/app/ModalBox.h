// The program's modal boxes, all shown through ShowModalBox.
//
//   ShowMessage("Done!!!")                 a message: no icon
//   ShowErrorBox("File access denied.")    the error box: the stop icon
//
// Both are captioned with the application's title (AppTitle.h), have one
// OK button that is both the default and the escape button, are centred on
// the screen, and return only once dismissed (BoxDialog.h draws them).
//
// Tests put a responder in place for a while (ScopedBoxResponder): every box
// that would be shown goes to it instead, with its kind, caption and text,
// and the call returns once the responder has answered it.
//
//   std::vector<BoxRequest> boxes;
//   ScopedBoxResponder answer([&](const BoxRequest &box) { boxes.push_back(box); });
#pragma once

#include <QString>

#include <functional>
#include <string_view>

namespace tw {

enum class BoxKind { Message, Error };

struct BoxRequest {
  BoxKind kind;
  QString caption;
  QString text;
};

using BoxResponder = std::function<void(const BoxRequest &)>;

class ScopedBoxResponder {
 public:
  explicit ScopedBoxResponder(BoxResponder responder);
  ~ScopedBoxResponder();
  ScopedBoxResponder(const ScopedBoxResponder &) = delete;
  ScopedBoxResponder &operator=(const ScopedBoxResponder &) = delete;

 private:
  BoxResponder previous_;
};

void ShowModalBox(BoxKind kind, const QString &text);

// The same for UTF-8 texts.
void ShowMessage(std::string_view text);
void ShowErrorBox(std::string_view text);

}  // namespace tw
