#include <gtest/gtest.h>

#include <QCoreApplication>

#include "support/testdata.h"

int main(int argc, char** argv) {
  mirvel::test::SetUpTestEnvironment();
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
