#include "app/FailureHandler.h"

#include <exception>
#include <string>

#include "app/ModalBox.h"
#include "fasta/Failures.h"
#include "fasta/ShownMessage.h"

namespace tw {
namespace {

void ShowFailure(std::string_view message) noexcept {
  try {
    ShowErrorBox(ShownMessage(message));
  } catch (...) {
    // Not even the error box could be shown (out of memory): the failure
    // is dropped, so that the window goes on.
  }
}

}  // namespace

void RunHandler(const std::function<void()> &handler) noexcept {
  try {
    handler();
  } catch (const EAbort &) {
    // The silent stop: the handler has told the user why it stopped.
  } catch (const std::exception &failure) {
    ShowFailure(failure.what());
  } catch (...) {
    ShowFailure(kUnexpectedFailure);
  }
}

}  // namespace tw
