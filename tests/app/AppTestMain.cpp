// The tests of the window run in one application object, the program's
// own, on Qt's offscreen platform unless another one is asked for.
#include <gtest/gtest.h>

#include "app/Application.h"

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  tw::Application app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
