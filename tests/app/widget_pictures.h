#pragma once

#include <QString>

class QWidget;

namespace qvs::app {

// Writes a picture of the widget, as it is laid out now, to
// $QVS_BINARY_DIR/pictures/<name>.png (the current folder without QVS_BINARY_DIR); the path.
QString SavePicture(QWidget& widget, const QString& name);

}  // namespace qvs::app
