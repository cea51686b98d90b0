#include "app/AppResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE names a function of the global namespace.
static void InitTidewellResources() { Q_INIT_RESOURCE(tidewell); }

namespace tw {

void EnsureAppResources() {
  static const bool registered = (InitTidewellResources(), true);
  (void)registered;
}

}  // namespace tw
