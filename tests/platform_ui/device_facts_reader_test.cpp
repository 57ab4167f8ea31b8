// Screen and printer facts and their test seam.
#include "platform/ui/device_facts_reader.h"

#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QScreen>

namespace scoreink {
namespace {

TEST(DeviceFactsReaderTest, AnInstalledProviderAnswersInsteadOfTheSystem) {
  DeviceFacts scripted;
  scripted.screen = {QRect(0, 40, 1280, 984), 96, 96};
  scripted.printer = {true, 600, 600, 100, 100};
  const DeviceFactsProvider previous = SetDeviceFactsProvider([&] { return scripted; });
  const DeviceFacts facts = ReadDeviceFacts();
  SetDeviceFactsProvider(previous);

  EXPECT_EQ(facts.screen.workArea, QRect(0, 40, 1280, 984));
  EXPECT_EQ(facts.printer.dpiX, 600);
  EXPECT_EQ(facts.printer.offsetY, 100);
  EXPECT_TRUE(facts.printer.present);
}

TEST(DeviceFactsReaderTest, TheSystemReaderMeasuresThePrimaryScreen) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  ASSERT_NE(screen, nullptr);
  const DeviceFacts facts = ReadDeviceFacts();
  EXPECT_EQ(facts.screen.workArea, screen->availableGeometry());
  EXPECT_EQ(facts.screen.dpiX, qRound(screen->logicalDotsPerInchX()));
  EXPECT_EQ(facts.screen.dpiY, qRound(screen->logicalDotsPerInchY()));
  if (facts.printer.present) {
    EXPECT_GT(facts.printer.dpiX, 0);
    EXPECT_GE(facts.printer.offsetX, 0);
  } else {
    EXPECT_EQ(facts.printer.dpiX, 0);
    EXPECT_EQ(facts.printer.offsetX, 0);
  }
}

}  // namespace
}  // namespace scoreink
