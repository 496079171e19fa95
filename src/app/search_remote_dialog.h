#pragma once

#include "device_data.h"

#include <QDialog>

#include <functional>
#include <optional>

class QLineEdit;
class QPushButton;

namespace qvs::app {

class IPrompts;

// Finds one gateway by the host name or address the user types.
class TfrmSearchRemote : public QDialog {
    Q_OBJECT
public:
    // Runs the search for the typed text and calls back with the gateway found, or nothing when
    // the search failed (the search has told the user why).
    using Search = std::function<void(const QString& typed, std::function<void(std::optional<TDeviceData>)> done)>;

    TfrmSearchRemote(IPrompts& prompts, QWidget* parent = nullptr);
    void SetSearch(Search search) { m_search = std::move(search); }
    // The gateway found, after the dialog closed with OK.
    const TDeviceData& Result() const { return m_result; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void btnOkClick();
    void SetControlsEnabled(bool enabled);

    IPrompts& m_prompts;
    Search m_search;
    TDeviceData m_result;
    QLineEdit* m_remote;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

}  // namespace qvs::app
