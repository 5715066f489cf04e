#include <gtest/gtest.h>

#include "qtprint/OffscreenPrintApplication.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const zufora::OffscreenPrintApplication session;  // offscreen unless a platform is asked for
  return RUN_ALL_TESTS();
}
