#include <gtest/gtest.h>

#include "app/mirvelapplication.h"
#include "support/testdata.h"

int main(int argc, char** argv) {
  mirvel::test::SetUpTestEnvironment();
  mirvel::MirvelApplication app(argc, argv);
  mirvel::ApplyProgramFont(app);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
