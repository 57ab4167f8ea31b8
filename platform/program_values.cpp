#include "platform/program_values.h"

namespace scoreink {

QString ExeFolder;
QString WorkFolder;
QString PictureFolder;
QString CurrentScoreFile;
int WorkAreaWidth = 0;
int WorkAreaHeight = 0;
WorkPlaces CurrentWorkPlaces;

}  // namespace scoreink
