#include "score_window/shared_values.h"

#include "editing/pen_rules.h"

namespace scoreink {

int PenWidth = kStartPenWidth;
int LeftLimit = LeftLimitFor(kStartPenWidth);
bool TemplateScore = true;

}  // namespace scoreink
