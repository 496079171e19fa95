#pragma once

#include <QDialog>

class QLabel;

namespace qvs::app {

// Tells the user that the gateway's firmware cannot be configured. Close returns Accepted;
// any other way of closing returns Rejected.
class TfrmVersion : public QDialog {
    Q_OBJECT
public:
    explicit TfrmVersion(QWidget* parent = nullptr);
    void SetMessage(const QString& message, const QString& versionLine);

private:
    QLabel* m_message;
    QLabel* m_version;
};

}  // namespace qvs::app
