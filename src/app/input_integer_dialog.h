#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>

class QGroupBox;
class QLabel;
class QLineEdit;

namespace qvs::app {

class IPrompts;

// Asks for one whole number within inclusive bounds (an exact scan time or message timeout).
// The caller sets Title, MinValue, MaxValue and Value before showing it and reads Value after OK.
class TfrmInputInteger : public QDialog {
    Q_OBJECT
public:
    explicit TfrmInputInteger(IPrompts& prompts, QWidget* parent = nullptr);

    QString Title;
    int32_t MinValue = 0;
    int32_t MaxValue = 0;
    int32_t Value = 0;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OkClicked();

    IPrompts& m_prompts;
    QGroupBox* m_group;
    QLabel* m_label;
    QLineEdit* m_value;
};

}  // namespace qvs::app
