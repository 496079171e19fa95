#pragma once

#include <QDialog>

class QLineEdit;

namespace qvs::app {

// Asks for the gateway's current administrator password.
class TfrmPassword : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget* parent = nullptr);
    QString Password() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* m_password;
};

}  // namespace qvs::app
