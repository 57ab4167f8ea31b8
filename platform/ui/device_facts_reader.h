#pragma once
// Reads the screen and default-printer facts from Qt (QScreen, QPrinterInfo, QPrinter), or
// from a replacement that tests install (a 96-dpi screen, a 600-dpi printer, no printer).
#include <functional>

#include "platform/device_facts.h"

namespace scoreink {

DeviceFacts ReadDeviceFacts();

using DeviceFactsProvider = std::function<DeviceFacts()>;
DeviceFactsProvider SetDeviceFactsProvider(DeviceFactsProvider provider);

}  // namespace scoreink
