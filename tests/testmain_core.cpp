#include "tests/support/sessionbus.h"

#include <gtest/gtest.h>
#include <QCoreApplication>

int main(int argc, char** argv) {
  tavo::testing::PrivateSessionBus bus;
  tavo::testing::usePrivateSessionBus(bus);
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
