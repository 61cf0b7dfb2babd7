#include "tests/support/sessionbus.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  tavo::testing::PrivateSessionBus bus;
  tavo::testing::usePrivateSessionBus(bus);
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
