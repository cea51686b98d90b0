// The application's one failure handler. Every handler of every window runs
// through RunHandler, so that no exception ever reaches Qt's event loop:
//
//   throw EAbort()                 => nothing is shown (the silent stop)
//   throw EInOutError(5)           => error box "File access denied."
//   throw std::runtime_error("x")  => error box "x."
//   throw 42                       => error box "Unexpected failure."
//
// A failure ends the handler where it was raised; the error box shows its
// message after the "." rule (fasta/ShownMessage.h); the window that ran the
// handler stays open and usable, with whatever the handler had changed.
//
//   connect(Button5, &QPushButton::clicked, this, Handled([this] { Button5Click(); }));
#pragma once

#include <functional>
#include <string_view>
#include <utility>

namespace tw {

inline constexpr std::string_view kUnexpectedFailure = "Unexpected failure";

void RunHandler(const std::function<void()> &handler) noexcept;

// A slot that runs a handler through RunHandler.
template <typename Handler>
auto Handled(Handler handler) {
  return [handler = std::move(handler)] { RunHandler(handler); };
}

}  // namespace tw
