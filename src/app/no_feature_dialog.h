#pragma once

#include <QDialog>

class QLabel;

namespace qvs::app {

// Tells the user that the connected gateway lacks one feature of the configuration being sent.
class TfrmNoFeature : public QDialog {
    Q_OBJECT
public:
    explicit TfrmNoFeature(QWidget* parent = nullptr);
    void SetFeature(const QString& feature);

private:
    QLabel* m_feature;
};

}  // namespace qvs::app
