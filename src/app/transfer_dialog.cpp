#include "transfer_dialog.h"

#include "protocol_texts.h"
#include "text_format.h"
#include "transfer_texts.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace qvs {
namespace {

QString Text(const char* text)
{
    return QString::fromUtf8(text);
}

QString FlavourText(const char* pattern, ConfigFlavour flavour)
{
    return QString::fromStdString(FormatText(pattern, transfer::FlavourWord(flavour)));
}

TKavroConfig ClearedConfig(ConfigFlavour flavour)
{
    switch (flavour) {
    case ConfigFlavour::Hostlink: return THostlinkKavroConfig{};
    case ConfigFlavour::DF1: return TDF1KavroConfig{};
    default: return TModbusKavroConfig{};
    }
}

QLineEdit* ReadOnlyField(QFormLayout* form, const char* label, const char* name)
{
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setReadOnly(true);
    form->addRow(Text(label), field);
    return field;
}

}  // namespace

TfrmTransferConfig::TfrmTransferConfig(ConfigFlavour flavour, IPacketExchange& exchange, ErrorBox errorBox,
                                       QWidget* parent)
    : QDialog(parent),
      m_flavour(flavour),
      m_errorBox(std::move(errorBox)),
      m_config(std::make_shared<TKavroConfig>(ClearedConfig(flavour)))
{
    setObjectName(QString("TfrmTransfer%1Config").arg(transfer::FlavourWord(flavour)));
    setModal(true);

    auto* deviceGroup = new QGroupBox(Text(texts::kGroupDeviceInformation));
    deviceGroup->setObjectName("grpDeviceInformation");
    auto* deviceForm = new QFormLayout(deviceGroup);
    m_txtDevice = ReadOnlyField(deviceForm, texts::kLabelDevice, "txtDevice");
    m_txtHostName = ReadOnlyField(deviceForm, texts::kLabelHostName, "txtHostName");
    m_txtMAC = ReadOnlyField(deviceForm, texts::kLabelMac, "txtMAC");
    m_txtFirmware = ReadOnlyField(deviceForm, texts::kLabelFirmware, "txtFirmware");
    m_txtIP = ReadOnlyField(deviceForm, texts::kLabelIp, "txtIP");
    m_txtRemoteIP = ReadOnlyField(deviceForm, texts::kLabelRemoteIp, "txtRemoteIP");

    auto* statusGroup = new QGroupBox(Text(texts::kGroupTransferStatus));
    statusGroup->setObjectName("grpTransferStatus");
    auto* statusLayout = new QVBoxLayout(statusGroup);
    m_lblDescription = new QLabel;
    m_lblDescription->setObjectName("lblDescription");
    statusLayout->addWidget(m_lblDescription);
    auto* progressLabel = new QLabel(Text(texts::kLabelProgress));
    statusLayout->addWidget(progressLabel);
    m_prgProgress = new QProgressBar;
    m_prgProgress->setObjectName("prgProgress");
    m_prgProgress->setRange(0, 1);
    m_prgProgress->setValue(0);
    m_prgProgress->setTextVisible(false);
    statusLayout->addWidget(m_prgProgress);
    m_lblStatus = new QLabel;
    m_lblStatus->setObjectName("lblStatus");
    m_lblStatus->setMinimumWidth(320);
    statusLayout->addWidget(m_lblStatus);

    m_btnClose = new QPushButton(Text(texts::kButtonClose));
    m_btnClose->setObjectName("btnClose");
    m_btnClose->setAutoDefault(false);
    m_btnRetry = new QPushButton(Text(texts::kButtonRetry));
    m_btnRetry->setObjectName("btnRetry");
    m_btnRetry->setAutoDefault(false);
    m_btnClose->setEnabled(false);
    m_btnRetry->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_btnRetry);
    buttons->addWidget(m_btnClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(deviceGroup);
    layout->addWidget(statusGroup);
    layout->addLayout(buttons);

    connect(m_btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_btnRetry, &QPushButton::clicked, this, &TfrmTransferConfig::DoTransfer);

    m_blinkTimer.setInterval(500);
    connect(&m_blinkTimer, &QTimer::timeout, this, &TfrmTransferConfig::TimerBlinkTimer);

    m_worker = new TTransferWorker(exchange, m_config, m_stop);
    m_worker->moveToThread(&m_thread);
    connect(this, &TfrmTransferConfig::runRequested, m_worker, &TTransferWorker::Run);
    connect(m_worker, &TTransferWorker::statusChanged, this, &TfrmTransferConfig::OnStatus);
    connect(m_worker, &TTransferWorker::progressChanged, this, &TfrmTransferConfig::OnProgress);
    connect(m_worker, &TTransferWorker::finished, this, &TfrmTransferConfig::OnFinished);
    m_thread.setObjectName("transfer");
    m_thread.start();
}

TfrmTransferConfig::~TfrmTransferConfig()
{
    m_stop = true;  // a run still going ends after its current exchange
    m_thread.quit();
    m_thread.wait();
    delete m_worker;
}

bool TfrmTransferConfig::SetConfiguration(const TKavroConfig& config)
{
    if (m_running || config.index() != ClearedConfig(m_flavour).index())
        return false;
    *m_config = config;
    return true;
}

void TfrmTransferConfig::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    FormShow();
    // The run starts once the dialog is up, from the event loop, so the window is drawn first.
    m_runPending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_runPending && isVisible())
            DoTransfer();
    });
}

void TfrmTransferConfig::FormShow()
{
    m_blinkTimer.stop();
    m_lblStatus->setVisible(true);
    m_lblStatus->setText(Text(texts::kStatusInitializing));
    m_txtDevice->setText(QString::fromStdString(m_device.Name));
    m_txtHostName->setText(QString::fromStdString(m_device.Host));
    m_txtMAC->setText(QString::fromStdString(m_device.MAC));
    m_txtFirmware->setText(QString::fromStdString(m_device.Version));
    m_txtIP->setText(QString::fromStdString(m_device.IP));
    m_txtRemoteIP->setText(QString::fromStdString(m_device.RemoteHost));
    setWindowTitle(FlavourText(m_send ? texts::kSendTitle : texts::kGetTitle, m_flavour));
    m_lblDescription->setText(FlavourText(m_send ? texts::kSendDescription : texts::kGetDescription, m_flavour));
    m_prgProgress->setRange(0, 1);
    m_prgProgress->setValue(0);
    m_btnClose->setEnabled(false);
    m_btnRetry->setEnabled(false);
    m_completed = false;
}

void TfrmTransferConfig::DoTransfer()
{
    m_runPending = false;
    if (m_running)
        return;
    m_running = true;
    m_completed = false;
    m_stop = false;
    m_blinkTimer.stop();
    m_lblStatus->setVisible(true);
    m_btnClose->setEnabled(false);
    m_btnRetry->setEnabled(false);
    m_prgProgress->setValue(0);
    emit runRequested(m_send, QString::fromStdString(m_device.IP), QString::fromStdString(m_device.RemoteHost));
}

void TfrmTransferConfig::OnStatus(const QString& text)
{
    m_lblStatus->setText(text);
}

void TfrmTransferConfig::OnProgress(int position, int maximum)
{
    m_prgProgress->setRange(0, maximum);
    m_prgProgress->setValue(position);
}

void TfrmTransferConfig::OnFinished(int status, const QString&, const QString&)
{
    m_running = false;
    const auto outcome = static_cast<transfer::TransferStatus>(status);
    m_completed = outcome == transfer::TransferStatus::Completed;
    if (m_completed) {
        m_lblStatus->setText(Text(texts::kStatusCompleted));
        m_blinkTimer.start();
        m_btnClose->setEnabled(true);
        m_btnClose->setFocus();
    } else {
        if (outcome == transfer::TransferStatus::NoResponse && m_errorBox)
            m_errorBox(Text(texts::kNoResponse));
        if (outcome != transfer::TransferStatus::Stopped && m_errorBox)
            m_errorBox(Text(texts::kTransferFailed));
        m_btnRetry->setEnabled(true);
        m_btnClose->setEnabled(true);
    }
    emit transferFinished(m_completed);
}

void TfrmTransferConfig::TimerBlinkTimer()
{
    m_lblStatus->setVisible(!m_lblStatus->isVisible());
}

void TfrmTransferConfig::FormClose()
{
    m_blinkTimer.stop();
}

void TfrmTransferConfig::closeEvent(QCloseEvent* event)
{
    if (m_running) {  // both buttons are disabled while a run goes on
        event->ignore();
        return;
    }
    FormClose();
    QDialog::closeEvent(event);
}

void TfrmTransferConfig::reject()
{
    if (m_running)
        return;
    FormClose();
    QDialog::reject();
}

void TfrmTransferConfig::done(int result)
{
    FormClose();
    QDialog::done(result);
}

}  // namespace qvs
