#include "platform/ui/device_facts_reader.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

namespace scoreink {

namespace {

DeviceFactsProvider& Provider() {
  static DeviceFactsProvider provider;
  return provider;
}

ScreenFacts ReadScreenFacts() {
  ScreenFacts facts;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return facts;  // keep the defaults: nothing better is known
  facts.workArea = screen->availableGeometry();
  facts.dpiX = qRound(screen->logicalDotsPerInchX());
  facts.dpiY = qRound(screen->logicalDotsPerInchY());
  return facts;
}

PrinterFacts ReadPrinterFacts() {
  PrinterFacts facts;
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return facts;
  QPrinter printer(info, QPrinter::HighResolution);
  if (!printer.isValid()) return facts;
  facts.present = true;
  facts.dpiX = printer.logicalDpiX();
  facts.dpiY = printer.logicalDpiY();
  // The unprintable margins: where the printable area starts on the sheet, in printer pixels.
  const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
  facts.offsetX = printable.left();
  facts.offsetY = printable.top();
  return facts;
}

}  // namespace

DeviceFacts ReadDeviceFacts() {
  if (Provider()) return Provider()();
  return {ReadScreenFacts(), ReadPrinterFacts()};
}

DeviceFactsProvider SetDeviceFactsProvider(DeviceFactsProvider provider) {
  DeviceFactsProvider previous = std::move(Provider());
  Provider() = std::move(provider);
  return previous;
}

}  // namespace scoreink
