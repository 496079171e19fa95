#pragma once

#include <QPixmap>

namespace qvs::app {

// The small signal drawings beside the alarm's edge choices: a level that rises from 0 to 1
// (positive edge) or falls from 1 to 0 (negative edge), the edge marked by an arrow.
QPixmap EdgePicture(bool positive);

}  // namespace qvs::app
