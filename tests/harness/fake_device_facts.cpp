#include "harness/fake_device_facts.h"

namespace scoreink::test {

DeviceFacts DefaultDeviceFacts() {
  DeviceFacts facts;
  facts.screen.workArea = QRect(0, 0, 1280, 1024);
  facts.screen.dpiX = facts.screen.dpiY = 96;
  facts.printer = PrinterFacts{};
  return facts;
}

DeviceFacts WithPrinter(DeviceFacts facts, int dpi, int offset) {
  facts.printer.present = true;
  facts.printer.dpiX = facts.printer.dpiY = dpi;
  facts.printer.offsetX = facts.printer.offsetY = offset;
  return facts;
}

DeviceFacts WithWorkArea(DeviceFacts facts, const QRect& workArea) {
  facts.screen.workArea = workArea;
  return facts;
}

ScopedDeviceFacts::ScopedDeviceFacts(DeviceFacts facts) : facts_(facts) {
  previous_ = SetDeviceFactsProvider([this] {
    ++reads_;
    return facts_;
  });
}

ScopedDeviceFacts::~ScopedDeviceFacts() {
  SetDeviceFactsProvider(std::move(previous_));
}

}  // namespace scoreink::test
