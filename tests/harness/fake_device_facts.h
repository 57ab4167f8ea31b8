#pragma once
// Screen and printer facts for tests, in place of the real screen and default printer.
#include <QRect>

#include "platform/device_facts.h"
#include "platform/ui/device_facts_reader.h"

namespace scoreink::test {

// A 1280 x 1024 work area at 0, 0, 96 dpi, no printer.
DeviceFacts DefaultDeviceFacts();
// The same screen with a 600-dpi default printer whose unprintable margins are offset pixels.
DeviceFacts WithPrinter(DeviceFacts facts, int dpi = 600, int offset = 100);
DeviceFacts WithWorkArea(DeviceFacts facts, const QRect& workArea);

// Installs facts as what ReadDeviceFacts() returns, until destroyed.
class ScopedDeviceFacts {
 public:
  explicit ScopedDeviceFacts(DeviceFacts facts = DefaultDeviceFacts());
  ~ScopedDeviceFacts();
  ScopedDeviceFacts(const ScopedDeviceFacts&) = delete;
  ScopedDeviceFacts& operator=(const ScopedDeviceFacts&) = delete;

  // Facts for the reads that follow (a printer installed while the program runs).
  void Set(const DeviceFacts& facts) { facts_ = facts; }
  // How often the facts were read: they are read at start-up and for a new score only.
  int ReadCount() const { return reads_; }

 private:
  DeviceFacts facts_;
  int reads_ = 0;
  DeviceFactsProvider previous_;
};

}  // namespace scoreink::test
