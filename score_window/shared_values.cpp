#include "score_window/shared_values.h"

namespace scoreink {

QString ExeFolder;
QString WorkFolder;
QString PictureFolder;
QString CurrentScoreFile;
int WorkAreaWidth = 0;
int WorkAreaHeight = 0;
int PenWidth = 2;
int LeftLimit = 27;
bool TemplateScore = true;
WorkPlaces CurrentWorkPlaces;

}  // namespace scoreink
