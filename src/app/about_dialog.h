#pragma once

#include <QDialog>

namespace qvs::app {

// The about box: name, version and the operating system QVS runs on.
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent = nullptr);
    // The operating-system line and the build line, from the running system.
    static QString OperatingSystemLine();
    static QString BuildLine();
};

}  // namespace qvs::app
