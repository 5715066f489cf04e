// The window tests: one application object, offscreen unless a platform is named.
#include <gtest/gtest.h>

#include "ZuforaApplication.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  ::testing::InitGoogleTest(&argc, argv);
  zufora::app::ZuforaApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
