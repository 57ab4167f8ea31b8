// Program entry: creates the score window, the only window made at start, and runs the event
// loop; the program ends when the loop ends.
#include <QApplication>

#include "platform/raster/picture_buffer.h"
#include "platform/ui/program_identity.h"
#include "platform/ui/qt_translations.h"
#include "score_window/program.h"

int main(int argc, char** argv) {
  scoreink::KeepLargePicturesOutOfTheHeap();
  QApplication app(argc, argv);
  scoreink::SetProgramIdentity(app);
  scoreink::LoadQtTranslations(app);
  return scoreink::RunScoreInk(app);
}
