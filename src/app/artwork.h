#pragma once

#include <QIcon>
#include <QPixmap>

namespace qvs::app {

// QVS's own images, drawn in code so no image files need shipping inside the executable.
QPixmap ApplicationIconPixmap(int size);
QIcon ApplicationIcon();
QPixmap SplashPixmap();
// The Connect action's two images.
QIcon ConnectIcon(bool connected);

}  // namespace qvs::app
