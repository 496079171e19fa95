#pragma once

#include "mdi_child.h"
#include "modbus_config_content.h"

#include <QString>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;
class QTabWidget;
class QTreeWidget;

namespace qvs::app {

class TfrmEmail;
class TfrmInputInteger;
class TfrmModbusTags;
class UpDown;

// The long-lived dialogs a Modbus document uses, and the hooks of the transfers.
struct TModbusDocumentTools {
    TfrmModbusTags& TagEditor;
    TfrmInputInteger& InputInteger;
    TfrmEmail& Email;
    // The unsupported-feature notice for a gateway that lacks a feature of the configuration.
    std::function<void(const QString& feature)> UnsupportedFeature;
    // The transfer dialog in its send direction, with the filled record.
    std::function<void(const TDeviceData&, const TModbusKavroConfig&)> SendTransfer;
    // The transfer dialog in its get direction; the record it ends with.
    std::function<TModbusKavroConfig(const TDeviceData&)> GetTransfer;
};

// A Modbus configuration document: the window over a TModbusConfigContent. Every control shows
// the content and hands the user's edits to it; the content tells the window what changed.
class TMDIModbusConfig : public TMDIChild {
    Q_OBJECT
public:
    TMDIModbusConfig(IPrompts& prompts, TModbusDocumentTools tools, QWidget* parent = nullptr);

    DocumentKind Kind() const override { return DocumentKind::ModbusConfig; }
    void New(const QString& fileName) override;
    void Open(const QString& path) override;
    bool GetFromKavro(const TDeviceData& device) override;
    bool UpdateFile() override;
    bool SaveAs() override;
    bool SendToKavro(const TDeviceData& device) override;

    bool ShowsTagPage() const override;
    bool HasSelectedTag() const override;
    void AddTag() override;
    void EditTag() override;
    void RemoveTag() override;

    // Shows the first failing check (message, its page, its field); true when there is none.
    bool Validate();
    TModbusKavroConfig GetAllConfig(bool includeAuth = true) const;
    void SetAllConfig(const TModbusKavroConfig& config);

    TModbusConfigContent& Content() { return m_content; }
    const TModbusConfigContent& Content() const { return m_content; }

private:
    void BuildSerialPage(QWidget* page);
    void BuildEmailPage(QWidget* page);
    void BuildTagsPage(QWidget* page);
    void ConnectControls();

    void ContentChanged(ContentChange change);
    void ShowSerialPort();
    void ShowEmail();
    void ShowRecipients();
    void ShowTags();
    void ShowTagSelection();
    void ShowAll();
    void ShowReadWarnings();
    void AfterFile();

    void AskInteger(QSlider* slider, const char* title);
    void AddRecipient();
    void EditRecipient();
    void DeleteRecipient();
    void EditTagAt(int position);
    // The tag of a row, or the conversion error shown.
    std::optional<TModbusTagConfig> TagOfRow(int position);
    // Runs the editor until its name is new to the document or the user cancels.
    std::optional<TModbusTagConfig> RunTagEditor(bool editMode, TModbusTagConfig tag, int excluded);
    bool FinishSave(const TSaveOutcome& outcome);

    TModbusDocumentTools m_tools;
    TModbusConfigContent m_content;
    bool m_showing = false;  // controls are being set from the content
    bool m_bulk = false;     // many changes to come; the window follows at the end

    QTabWidget* m_pages;
    QComboBox* m_comType;
    QComboBox* m_baudRate;
    QComboBox* m_parity;
    QComboBox* m_format;
    QSlider* m_scanTime;
    QLabel* m_scanTimeText;
    QSlider* m_messageTimeout;
    QLabel* m_messageTimeoutText;
    QLineEdit* m_packetTimeout;
    QCheckBox* m_emailEnable;
    QLineEdit* m_server;
    QCheckBox* m_auth;
    QLineEdit* m_user;
    QLineEdit* m_password;
    QLineEdit* m_confirmation;
    QLineEdit* m_timeout;
    QLineEdit* m_retries;
    QLineEdit* m_retryInterval;
    QLineEdit* m_sender;
    QListWidget* m_recipients;
    QTreeWidget* m_tags;
    QList<QWidget*> m_relayFields;
    QList<QWidget*> m_authFields;
};

}  // namespace qvs::app
