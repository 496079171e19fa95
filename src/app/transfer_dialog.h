#pragma once

#include "device_data.h"
#include "gateway_models.h"
#include "packet_exchange.h"
#include "transfer_worker.h"

#include <QDialog>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace qvs {

// The configuration transfer dialog, one class for the three flavours (TfrmTransferModbusConfig,
// TfrmTransferHostlinkConfig, TfrmTransferDF1Config are its object names); it sends its
// configuration to a gateway or gets one, by direction. The sequence runs on a worker thread,
// so the window keeps painting and answering while a gateway takes its time.
class TfrmTransferConfig : public QDialog {
    Q_OBJECT
public:
    // Shows an error message box with one OK button and returns when it is closed.
    using ErrorBox = std::function<void(const QString& text)>;

    TfrmTransferConfig(ConfigFlavour flavour, IPacketExchange& exchange, ErrorBox errorBox,
                       QWidget* parent = nullptr);
    ~TfrmTransferConfig() override;

    ConfigFlavour Flavour() const { return m_flavour; }

    // Set by whoever opens the dialog, before showing it.
    void SetDirection(bool send) { m_send = send; }
    bool Direction() const { return m_send; }
    void SetDevice(const TDeviceData& device) { m_device = device; }
    const TDeviceData& Device() const { return m_device; }
    // A record of another flavour than the dialog's is refused (false).
    bool SetConfiguration(const TKavroConfig& config);
    // The record: for a get, what the last run read (cleared values for the rest).
    const TKavroConfig& Configuration() const { return *m_config; }

    // Runs the sequence of the direction from its first step; bound to the dialog's opening
    // and to "&Retry".
    void DoTransfer();
    bool Running() const { return m_running; }
    // The outcome of the last run that finished.
    bool Completed() const { return m_completed; }

    // Toggles the status line while "TRANSFER COMPLETED!" blinks.
    void TimerBlinkTimer();
    QTimer& BlinkTimer() { return m_blinkTimer; }

signals:
    // A run ended, after its messages were shown and the buttons enabled again.
    void transferFinished(bool completed);
    void runRequested(bool send, const QString& ip, const QString& remoteHost);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

public:
    // Escape and the window's close box do nothing while a run goes on.
    void reject() override;
    void done(int result) override;

protected:

private:
    void FormShow();
    void FormClose();
    void OnStatus(const QString& text);
    void OnProgress(int position, int maximum);
    void OnFinished(int status, const QString& step, const QString& detail);

    const ConfigFlavour m_flavour;
    ErrorBox m_errorBox;
    bool m_send = true;
    TDeviceData m_device;
    std::shared_ptr<TKavroConfig> m_config;
    std::atomic<bool> m_stop{false};
    bool m_running = false;
    bool m_completed = false;
    bool m_runPending = false;

    QThread m_thread;
    TTransferWorker* m_worker = nullptr;
    QTimer m_blinkTimer;

    QLineEdit* m_txtDevice;
    QLineEdit* m_txtHostName;
    QLineEdit* m_txtMAC;
    QLineEdit* m_txtFirmware;
    QLineEdit* m_txtIP;
    QLineEdit* m_txtRemoteIP;
    QLabel* m_lblDescription;
    QProgressBar* m_prgProgress;
    QLabel* m_lblStatus;
    QPushButton* m_btnClose;
    QPushButton* m_btnRetry;
};

}  // namespace qvs
