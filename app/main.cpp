// Program entry: creates the score window, the only window made at start, and runs the event
// loop; the program ends when the loop ends.
#include <QApplication>

#include "score_window/program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  return scoreink::RunScoreInk(app);
}
