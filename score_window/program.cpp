#include "score_window/program.h"

#include <QApplication>
#include <QFileInfo>
#include <memory>

#include "score_window/tform1.h"

namespace scoreink {

int RunScoreInk(QApplication& app) {
  // The one optional argument: a file to open (the desktop's "Open with").
  const QStringList arguments = app.arguments();
  const QString givenFile =
      arguments.size() > 1 ? QFileInfo(arguments.at(1)).absoluteFilePath() : QString();
  auto window = std::make_unique<TForm1>();
  if (!window->FormCreate(givenFile)) return window->HandedOver() ? 0 : 1;
  // Closing the score window ends the program, even while another window is open; a session
  // that ends without closing it still empties the work folder.
  QObject::connect(window.get(), &TForm1::Closed, &app, &QCoreApplication::quit,
                   Qt::QueuedConnection);
  QObject::connect(&app, &QCoreApplication::aboutToQuit, window.get(),
                   [w = window.get()] { w->FormClose(w); });
  window->show();
  const int code = app.exec();
  window.reset();
  return code;
}

}  // namespace scoreink
