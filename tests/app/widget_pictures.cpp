#include "widget_pictures.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

namespace qvs::app {

QString SavePicture(QWidget& widget, const QString& name)
{
    const QString base = qEnvironmentVariableIsSet("QVS_BINARY_DIR") ? qEnvironmentVariable("QVS_BINARY_DIR")
                                                                     : QDir::currentPath();
    QDir folder(base);
    folder.mkpath(QStringLiteral("pictures"));
    const QString path = folder.filePath(QStringLiteral("pictures/") + name + QStringLiteral(".png"));
    QApplication::processEvents();  // lay out what was just shown
    const QPixmap picture = widget.grab();
    EXPECT_TRUE(picture.save(path, "PNG")) << path.toStdString();
    return path;
}

}  // namespace qvs::app
