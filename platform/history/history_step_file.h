#pragma once
// The file of one history step in the work folder, in the program's own format: tiled steps
// keep their tiles as they are (a stroke changes little), whole steps keep both pictures
// compressed. A file is accepted only when it is complete and consistent with itself.
#include <QString>
#include <optional>

#include "platform/history/history_step.h"

namespace scoreink {

// Writes step to path, replacing any file there. An empty text on success, else the reason.
QString WriteHistoryStep(const HistoryStep& step, const QString& path);

// The step in path; nothing when the file is missing, cut off or not a step file.
std::optional<HistoryStep> ReadHistoryStep(const QString& path);

}  // namespace scoreink
