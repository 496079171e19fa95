#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

namespace qvs::app {

class IPrompts;

// One recipient address, added or edited. The document sets EditMode and, in edit mode,
// EMailAddress before showing it, and reads EMailAddress after OK.
class TfrmEmail : public QDialog {
    Q_OBJECT
public:
    explicit TfrmEmail(IPrompts& prompts, QWidget* parent = nullptr);

    bool EditMode = false;
    QString EMailAddress;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OkClicked();

    IPrompts& m_prompts;
    QLineEdit* m_address;
};

}  // namespace qvs::app
