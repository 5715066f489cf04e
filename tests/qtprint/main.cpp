#include <gtest/gtest.h>

#include "qtprint/OffscreenPrintApplication.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Offscreen unless a platform is asked for.
  const zufora::OffscreenPrintApplication session("zufora_qtprint_tests");
  return RUN_ALL_TESTS();
}
