#include "platform/Signals.h"

#include <signal.h>

namespace tw {

void IgnoreFileSizeSignal() { ::signal(SIGXFSZ, SIG_IGN); }

}  // namespace tw
