#include <gtest/gtest.h>

#include "qtprint/GuiSession.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const zufora::GuiSession session;  // offscreen unless a platform is asked for
  return RUN_ALL_TESTS();
}
