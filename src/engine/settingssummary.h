#pragma once

#include <QString>

#include "engine/controlvalues.h"

namespace mirvel {

// The line of the run report that tells with which settings a run of exercise
// exam_no was made: bold labels followed by the values the controls show,
// items separated by "; ". The timer item comes first whenever the per-task
// timer is on. The texts are the controls' own captions and go in as they are.
QString BuildSettingsSummary(int exam_no, const ControlValues& c);

}  // namespace mirvel
