#include "modbus_config_window.h"

#include "config_texts.h"
#include "config_window_texts.h"
#include "email_dialog.h"
#include "input_integer_dialog.h"
#include "key_filters.h"
#include "modbus_tags_dialog.h"
#include "prompts.h"
#include "qprot_errors.h"
#include "tag_editor_texts.h"
#include "tag_lists.h"
#include "tag_rows.h"
#include "text_format.h"
#include "up_down.h"
#include "widget_building.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <iterator>

namespace qvs::app {

namespace d = texts::modbus_document;

using namespace widgets;

namespace {

QLabel* Label(QWidget* parent, const char* text, QWidget* buddy = nullptr)
{
    auto* label = new QLabel(Text(text), parent);
    if (buddy) label->setBuddy(buddy);
    return label;
}

constexpr int kTagsPage = static_cast<int>(ConfigPage::Tags);

}  // namespace

TMDIModbusConfig::TMDIModbusConfig(IPrompts& prompts, TModbusDocumentTools tools, QWidget* parent)
    : TMDIChild(prompts, parent), m_tools(std::move(tools))
{
    setObjectName(QStringLiteral("MDIModbusConfig"));
    m_pages = Named(new QTabWidget(this), "pgcConfig");
    auto* serial = Named(new QWidget(m_pages), "tbsCom");
    auto* email = Named(new QWidget(m_pages), "tbsEMail");
    auto* tags = Named(new QWidget(m_pages), "tbsTags");
    m_pages->addTab(serial, Text(d::kPageSerialPort));
    m_pages->addTab(email, Text(d::kPageEMails));
    m_pages->addTab(tags, Text(d::kPageTags));
    BuildSerialPage(serial);
    BuildEmailPage(email);
    BuildTagsPage(tags);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    resize(640, 460);

    m_content.SetChangeListener([this](ContentChange change) { ContentChanged(change); });
    ConnectControls();
    ShowAll();
}

// --- Pages ------------------------------------------------------------------------------------

void TMDIModbusConfig::BuildSerialPage(QWidget* page)
{
    auto* group = new QGroupBox(Text(d::kSerialGroup), page);
    m_comType = List(group, "cboComType", lists::kComType);
    m_baudRate = List(group, "cboBaudRate", lists::kBaudRate);
    m_parity = List(group, "cboParity", lists::kParity);
    m_format = List(group, "cboFormat", lists::kFormat);

    m_scanTime = Named(new QSlider(Qt::Horizontal, group), "sldScanTime");
    m_scanTime->setRange(content::kScanTimeLowest, content::kScanTimeHighest);
    m_scanTime->setPageStep(content::kScanTimePageStep);
    m_scanTimeText = Named(new QLabel(group), "stScanTime");
    auto* scanButton = Named(new QPushButton(Text(d::kEllipsis), group), "btnScanTime");
    m_messageTimeout = Named(new QSlider(Qt::Horizontal, group), "sldMessageTout");
    m_messageTimeout->setRange(content::kMessageTimeoutLowest, content::kMessageTimeoutHighest);
    m_messageTimeoutText = Named(new QLabel(group), "stMessageTout");
    auto* messageButton = Named(new QPushButton(Text(d::kEllipsis), group), "btnMessageTout");
    for (QPushButton* button : {scanButton, messageButton}) button->setFixedWidth(28);

    m_packetTimeout = Field(group, "txtPacketTout", content::kPacketTimeoutLength);
    auto* packetUpDown = Named(new UpDown(m_packetTimeout, content::kPacketTimeoutLowest,
                                          content::kPacketTimeoutHighest, group), "udnPacketTout");
    TypedKeyFilter::Digits(this)->Attach(m_packetTimeout);
    m_packetTimeout->setMaximumWidth(48);

    auto sliderRow = [&](QSlider* slider, QLabel* value, QPushButton* button, const char* left,
                         const char* right) {
        auto* row = new QGridLayout;
        row->addWidget(slider, 0, 0, 1, 2);
        row->addWidget(Label(group, left), 1, 0, Qt::AlignLeft);
        row->addWidget(Label(group, right), 1, 1, Qt::AlignRight);
        row->addWidget(value, 0, 2);
        row->addWidget(button, 0, 3);
        row->setColumnMinimumWidth(2, 64);
        return row;
    };

    auto* grid = new QGridLayout(group);
    int row = 0;
    grid->addWidget(Label(group, d::kComType, m_comType), row, 0);
    grid->addWidget(m_comType, row++, 1);
    grid->addWidget(Label(group, d::kBaudRate, m_baudRate), row, 0);
    grid->addWidget(m_baudRate, row++, 1);
    grid->addWidget(Label(group, d::kParity, m_parity), row, 0);
    grid->addWidget(m_parity, row++, 1);
    grid->addWidget(Label(group, d::kFormat, m_format), row, 0);
    grid->addWidget(m_format, row++, 1);
    grid->addWidget(Label(group, d::kScanTime, m_scanTime), row, 0);
    grid->addLayout(sliderRow(m_scanTime, m_scanTimeText, scanButton, d::kFast, d::kSlow), row++, 1);
    grid->addWidget(Label(group, d::kMessageTimeout, m_messageTimeout), row, 0);
    grid->addLayout(sliderRow(m_messageTimeout, m_messageTimeoutText, messageButton, d::kShort, d::kLong),
                    row++, 1);
    auto* packet = new QHBoxLayout;
    packet->addWidget(m_packetTimeout);
    packet->addWidget(packetUpDown);
    packet->addWidget(Label(group, d::kPacketTimeoutUnit));
    packet->addStretch();
    grid->addWidget(Label(group, d::kPacketTimeout, m_packetTimeout), row, 0);
    grid->addLayout(packet, row++, 1);
    auto* note = Named(new QLabel(Text(d::kSerialNote), group), "lblSerialNote");
    note->setWordWrap(true);
    grid->addWidget(note, row++, 0, 1, 2);
    grid->setRowStretch(row, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);

    connect(scanButton, &QPushButton::clicked, this, [this] { AskInteger(m_scanTime, d::kScanTime); });
    connect(messageButton, &QPushButton::clicked, this,
            [this] { AskInteger(m_messageTimeout, d::kMessageTimeout); });
}

void TMDIModbusConfig::BuildEmailPage(QWidget* page)
{
    auto* smtp = new QGroupBox(Text(d::kSmtpGroup), page);
    m_emailEnable = Named(new QCheckBox(Text(d::kEnableRelaying), smtp), "chkEMailEnable");
    m_server = Field(smtp, "txtEMailServer", static_cast<int>(content::kServerLength));
    m_auth = Named(new QCheckBox(Text(d::kAuth), smtp), "chkAuth");
    m_user = Field(smtp, "txtUser", static_cast<int>(content::kUserLength));
    const int passwordLimit = static_cast<int>(m_content.Rules().PasswordLimit);
    m_password = Field(smtp, "txtPass1", passwordLimit);
    m_confirmation = Field(smtp, "txtPass2", passwordLimit);
    for (QLineEdit* field : {m_password, m_confirmation}) field->setEchoMode(QLineEdit::Password);
    m_timeout = Field(smtp, "txtEMailTimeout", static_cast<int>(content::kTimeoutLength));
    m_retries = Field(smtp, "txtEMailRetries", static_cast<int>(content::kRetriesLength));
    m_retryInterval = Field(smtp, "txtEMailInterRetries", static_cast<int>(content::kRetryIntervalLength));
    m_sender = Field(smtp, "txtEMailSender", static_cast<int>(content::kSenderLength));
    auto* timeoutUpDown = Named(new UpDown(m_timeout, content::kTimeoutLowest, content::kTimeoutHighest, smtp),
                                "udnEMailTimeout");
    auto* retriesUpDown = Named(new UpDown(m_retries, content::kRetriesLowest, content::kRetriesHighest, smtp),
                                "udnEMailRetries");
    auto* intervalUpDown = Named(new UpDown(m_retryInterval, content::kRetryIntervalLowest,
                                            content::kRetryIntervalHighest, smtp),
                                 "udnEMailInterRetries");
    TypedKeyFilter* digits = TypedKeyFilter::Digits(this);
    for (QLineEdit* field : {m_timeout, m_retries, m_retryInterval}) {
        digits->Attach(field);
        field->setMaximumWidth(48);
    }

    auto numberRow = [&](QLineEdit* field, UpDown* upDown, const char* hint) {
        auto* row = new QHBoxLayout;
        row->addWidget(field);
        row->addWidget(upDown);
        auto* hintLabel = new QLabel(Text(hint), smtp);
        hintLabel->setEnabled(false);  // always greyed
        row->addWidget(hintLabel);
        row->addStretch();
        return row;
    };
    auto* grid = new QGridLayout(smtp);
    int row = 0;
    grid->addWidget(m_emailEnable, row++, 0, 1, 2);
    grid->addWidget(Label(smtp, d::kSmtpServer, m_server), row, 0);
    grid->addWidget(m_server, row++, 1);
    grid->addWidget(m_auth, row++, 0, 1, 2);
    grid->addWidget(Label(smtp, d::kUser, m_user), row, 0);
    grid->addWidget(m_user, row++, 1);
    grid->addWidget(Label(smtp, d::kPassword, m_password), row, 0);
    grid->addWidget(m_password, row++, 1);
    grid->addWidget(Label(smtp, d::kConfirmPassword, m_confirmation), row, 0);
    grid->addWidget(m_confirmation, row++, 1);
    grid->addWidget(Label(smtp, d::kDeliveryTimeout, m_timeout), row, 0);
    grid->addLayout(numberRow(m_timeout, timeoutUpDown, d::kSuggestedTimeout), row++, 1);
    grid->addWidget(Label(smtp, d::kRetries, m_retries), row, 0);
    grid->addLayout(numberRow(m_retries, retriesUpDown, d::kSuggestedRetries), row++, 1);
    grid->addWidget(Label(smtp, d::kRetryEvery, m_retryInterval), row, 0);
    grid->addLayout(numberRow(m_retryInterval, intervalUpDown, d::kSuggestedInterval), row++, 1);
    grid->addWidget(Label(smtp, d::kSender, m_sender), row, 0);
    grid->addWidget(m_sender, row++, 1);
    m_relayFields = {m_server, m_auth, m_timeout, timeoutUpDown, m_retries, retriesUpDown,
                     m_retryInterval, intervalUpDown, m_sender};
    m_authFields = {m_user, m_password, m_confirmation};

    auto* destination = new QGroupBox(Text(d::kRecipientsGroup), page);
    auto* note = Named(new QLabel(Text(d::kRecipientsNote), destination), "lblRecipientsNote");
    note->setWordWrap(true);
    m_recipients = Named(new QListWidget(destination), "lstEMailRecipients");
    m_recipients->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* add = Named(new QPushButton(Text(d::kAdd), destination), "btnEMailAdd");
    auto* edit = Named(new QPushButton(Text(d::kEdit), destination), "btnEMailEdit");
    auto* remove = Named(new QPushButton(Text(d::kDelete), destination), "btnEMailDelete");
    auto* up = Named(new QToolButton(destination), "btnUp");
    up->setArrowType(Qt::UpArrow);
    auto* down = Named(new QToolButton(destination), "btnDown");
    down->setArrowType(Qt::DownArrow);
    auto* buttons = new QVBoxLayout;
    for (QWidget* button : {static_cast<QWidget*>(add), static_cast<QWidget*>(edit),
                            static_cast<QWidget*>(remove)})
        buttons->addWidget(button);
    auto* arrows = new QHBoxLayout;
    arrows->addWidget(up);
    arrows->addWidget(down);
    buttons->addLayout(arrows);
    buttons->addStretch();
    auto* destinationGrid = new QGridLayout(destination);
    destinationGrid->addWidget(note, 0, 0, 1, 2);
    destinationGrid->addWidget(Label(destination, d::kRecipients, m_recipients), 1, 0, 1, 2);
    destinationGrid->addWidget(m_recipients, 2, 0);
    destinationGrid->addLayout(buttons, 2, 1);

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(smtp, 3);
    layout->addWidget(destination, 2);

    connect(add, &QPushButton::clicked, this, &TMDIModbusConfig::AddRecipient);
    connect(edit, &QPushButton::clicked, this, &TMDIModbusConfig::EditRecipient);
    connect(remove, &QPushButton::clicked, this, &TMDIModbusConfig::DeleteRecipient);
    connect(up, &QToolButton::clicked, this, [this] { m_content.MoveSelectedRecipientUp(); });
    connect(down, &QToolButton::clicked, this, [this] { m_content.MoveSelectedRecipientDown(); });
}

void TMDIModbusConfig::BuildTagsPage(QWidget* page)
{
    m_tags = Named(new QTreeWidget(page), "lstTags");
    QStringList headers;
    for (const char* column : rows::kModbusColumns) headers << Text(column);
    // The hidden cells, kept with each row.
    headers << QStringLiteral("TRAP") << QStringLiteral("KIND");
    m_tags->setHeaderLabels(headers);
    m_tags->setColumnHidden(headers.size() - 2, true);
    m_tags->setColumnHidden(headers.size() - 1, true);
    m_tags->setRootIsDecorated(false);
    m_tags->setUniformRowHeights(true);
    m_tags->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tags->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tags->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tags->setAllColumnsShowFocus(true);
    m_tags->header()->setStretchLastSection(false);
    m_tags->header()->setDefaultSectionSize(84);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_tags);
    connect(m_tags, &QTreeWidget::itemDoubleClicked, this, [this] { EditTag(); });
}

void TMDIModbusConfig::ConnectControls()
{
    auto list = [this](QComboBox* box, void (TConfigContent::*setter)(int)) {
        connect(box, &QComboBox::currentIndexChanged, this, [this, setter](int index) {
            if (!m_showing) (m_content.*setter)(index);
        });
    };
    list(m_comType, &TConfigContent::SetComType);
    list(m_baudRate, &TConfigContent::SetBaudRate);
    list(m_parity, &TConfigContent::SetParity);
    list(m_format, &TConfigContent::SetFormat);
    auto slider = [this](QSlider* s, void (TConfigContent::*setter)(int)) {
        connect(s, &QSlider::valueChanged, this, [this, setter](int value) {
            if (!m_showing) (m_content.*setter)(value);
        });
    };
    slider(m_scanTime, &TConfigContent::SetScanTime);
    slider(m_messageTimeout, &TConfigContent::SetMessageTimeout);
    auto text = [this](QLineEdit* field, void (TConfigContent::*setter)(const std::string&)) {
        connect(field, &QLineEdit::textChanged, this, [this, setter](const QString& value) {
            if (!m_showing) (m_content.*setter)(Std(value));
        });
    };
    text(m_packetTimeout, &TConfigContent::SetPacketTimeoutText);
    text(m_server, &TConfigContent::SetServer);
    text(m_user, &TConfigContent::SetUser);
    text(m_password, &TConfigContent::SetPassword);
    text(m_confirmation, &TConfigContent::SetConfirmation);
    text(m_timeout, &TConfigContent::SetTimeoutText);
    text(m_retries, &TConfigContent::SetRetriesText);
    text(m_retryInterval, &TConfigContent::SetRetryIntervalText);
    text(m_sender, &TConfigContent::SetSender);
    auto box = [this](QCheckBox* check, void (TConfigContent::*setter)(bool)) {
        connect(check, &QCheckBox::toggled, this, [this, setter](bool value) {
            if (!m_showing) (m_content.*setter)(value);
        });
    };
    box(m_emailEnable, &TConfigContent::SetEmailEnable);
    box(m_auth, &TConfigContent::SetAuth);

    connect(m_recipients, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_showing) m_content.SelectRecipient(row);
    });
    connect(m_tags, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (m_showing) return;
        const QList<QTreeWidgetItem*> selected = m_tags->selectedItems();
        m_content.SelectTag(selected.isEmpty() ? -1 : m_tags->indexOfTopLevelItem(selected.first()));
        NotifyStateChanged();
    });
    connect(m_pages, &QTabWidget::currentChanged, this, [this] { NotifyStateChanged(); });
}

// --- Content to controls ----------------------------------------------------------------------

void TMDIModbusConfig::ContentChanged(ContentChange change)
{
    switch (change) {
    case ContentChange::SerialPort: ShowSerialPort(); break;
    case ContentChange::EMail: ShowEmail(); break;
    case ContentChange::Recipients: ShowRecipients(); break;
    case ContentChange::Tags:
        if (!m_bulk) ShowTags();
        break;
    case ContentChange::SavedState: SetSaved(m_content.Saved()); break;
    }
}

void TMDIModbusConfig::ShowSerialPort()
{
    const bool showing = m_showing;
    m_showing = true;
    const TSerialPortContent& s = m_content.SerialPort();
    m_comType->setCurrentIndex(s.ComType);
    m_baudRate->setCurrentIndex(s.BaudRate);
    m_parity->setCurrentIndex(s.Parity);
    m_format->setCurrentIndex(s.Format);
    m_scanTime->setValue(s.ScanTime);
    m_scanTimeText->setText(Text(m_content.ScanTimeText()));
    m_messageTimeout->setValue(s.MessageTimeout);
    m_messageTimeoutText->setText(Text(m_content.MessageTimeoutText()));
    SetText(m_packetTimeout, s.PacketTimeout);
    m_showing = showing;
}

void TMDIModbusConfig::ShowEmail()
{
    const bool showing = m_showing;
    m_showing = true;
    const TEmailContent& e = m_content.Email();
    m_emailEnable->setChecked(e.Enable);
    SetText(m_server, e.Server);
    m_auth->setChecked(e.Auth);
    SetText(m_user, e.User);
    SetText(m_password, e.Password);
    SetText(m_confirmation, e.Confirmation);
    SetText(m_timeout, e.Timeout);
    SetText(m_retries, e.Retries);
    SetText(m_retryInterval, e.RetryInterval);
    SetText(m_sender, e.Sender);
    for (QWidget* field : m_relayFields) field->setEnabled(m_content.RelayFieldsEnabled());
    for (QWidget* field : m_authFields) field->setEnabled(m_content.AuthFieldsEnabled());
    m_showing = showing;
}

void TMDIModbusConfig::ShowRecipients()
{
    const bool showing = m_showing;
    m_showing = true;
    m_recipients->clear();
    for (const std::string& address : m_content.Recipients()) m_recipients->addItem(Text(address));
    m_recipients->setCurrentRow(m_content.SelectedRecipient());
    m_showing = showing;
}

void TMDIModbusConfig::ShowTags()
{
    const bool showing = m_showing;
    m_showing = true;
    m_tags->setUpdatesEnabled(false);
    m_tags->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(m_content.Rows().size()));
    for (const TTagRow& row : m_content.Rows()) {
        QStringList cells;
        cells.reserve(static_cast<qsizetype>(row.Cells.size() + 1));
        cells << Text(row.Caption);
        for (const std::string& cell : row.Cells) cells << Text(cell);
        items << new QTreeWidgetItem(cells);
    }
    m_tags->addTopLevelItems(items);
    m_tags->setUpdatesEnabled(true);
    ShowTagSelection();
    m_showing = showing;
    NotifyStateChanged();
}

void TMDIModbusConfig::ShowTagSelection()
{
    const bool showing = m_showing;
    m_showing = true;
    const int selected = m_content.SelectedTag();
    if (QTreeWidgetItem* item = selected >= 0 ? m_tags->topLevelItem(selected) : nullptr) {
        m_tags->setCurrentItem(item);
    } else {
        m_tags->clearSelection();
    }
    m_showing = showing;
}

void TMDIModbusConfig::ShowAll()
{
    ShowSerialPort();
    ShowEmail();
    ShowRecipients();
    ShowTags();
}

void TMDIModbusConfig::ShowReadWarnings()
{
    for (const std::string& warning : m_content.ReadWarnings()) Prompts().Warning(Text(warning));
}

void TMDIModbusConfig::AfterFile()
{
    SetFileName(Text(m_content.FileName()));
    SetHasFile(m_content.HasFile());
    SetSaved(m_content.Saved());
    SetCaption(Text(m_content.Caption()));
}

// --- Documents --------------------------------------------------------------------------------

void TMDIModbusConfig::New(const QString& fileName)
{
    m_bulk = true;
    m_content.New(Std(fileName), Std(ApplicationFolder()));
    m_bulk = false;
    ShowAll();
    AfterFile();
    m_pages->setCurrentIndex(0);
}

void TMDIModbusConfig::Open(const QString& path)
{
    m_bulk = true;
    const bool opened = m_content.Open(Std(path));
    m_bulk = false;
    if (!opened) return;
    ShowAll();
    AfterFile();
    m_pages->setCurrentIndex(0);
    ShowReadWarnings();
}

bool TMDIModbusConfig::FinishSave(const TSaveOutcome& outcome)
{
    if (outcome.Invalid) {
        Validate();
        return false;
    }
    if (!outcome.Error.empty()) {
        Prompts().Error(Text(outcome.Error));
        return false;
    }
    SetSaved(true);
    return true;
}

bool TMDIModbusConfig::UpdateFile()
{
    if (!Validate()) return false;
    return FinishSave(m_content.UpdateFile());
}

bool TMDIModbusConfig::SaveAs()
{
    const QString path = Prompts().SaveFileName(Text(d::kFileFilter), Text(d::kDefaultExtension), FileName());
    if (path.isEmpty()) return false;
    const TSaveOutcome outcome = m_content.SaveAs(Std(path));
    AfterFile();
    return FinishSave(outcome);
}

bool TMDIModbusConfig::Validate()
{
    const std::optional<TValidationFailure> failure = m_content.Validate();
    if (!failure) return true;
    Prompts().Error(Text(failure->Message));
    m_pages->setCurrentIndex(static_cast<int>(failure->Page));
    if (failure->Recipient >= 0) {
        m_content.SelectRecipient(failure->Recipient);
        m_recipients->setFocus();
    } else if (auto* field = findChild<QWidget*>(Text(failure->Field)); field && field->isEnabled()) {
        field->setFocus();
    }
    return false;
}

TModbusKavroConfig TMDIModbusConfig::GetAllConfig(bool includeAuth) const
{
    return m_content.GetAllConfig(includeAuth);
}

void TMDIModbusConfig::SetAllConfig(const TModbusKavroConfig& config)
{
    m_bulk = true;
    m_content.SetAllConfig(config);
    m_bulk = false;
    ShowTags();
}

bool TMDIModbusConfig::SendToKavro(const TDeviceData& device)
{
    if (const std::optional<TValidationFailure> failure = m_content.ValidateForSend()) {
        if (!Validate()) return true;
        Prompts().Error(Text(failure->Message));
        m_pages->setCurrentIndex(static_cast<int>(failure->Page));
        return true;
    }
    try {
        const bool authSupported = ModbusAuthRelaySupported(device.Version);
        if (!authSupported && m_content.Email().Auth && m_tools.UnsupportedFeature)
            m_tools.UnsupportedFeature(QStringLiteral("SMTP relay not authenticated"));
        if (Prompts().Show(PromptKind::Warning, Text(d::kSendQuestion), PromptButtons::YesNo) !=
            PromptAnswer::Yes)
            return true;
        const TModbusKavroConfig config = m_content.GetAllConfig(authSupported);
        if (m_tools.SendTransfer) m_tools.SendTransfer(device, config);
    } catch (const ConversionError& error) {
        Prompts().Error(Text(error.what()));
    }
    return true;
}

bool TMDIModbusConfig::GetFromKavro(const TDeviceData& device)
{
    if (m_tools.GetTransfer) SetAllConfig(m_tools.GetTransfer(device));
    m_content.SetSaved(false);
    return true;
}

// --- Sliders and recipients -------------------------------------------------------------------

void TMDIModbusConfig::AskInteger(QSlider* slider, const char* title)
{
    TfrmInputInteger& dialog = m_tools.InputInteger;
    dialog.Title = Text(title);
    dialog.MinValue = slider->minimum();
    dialog.MaxValue = slider->maximum();
    dialog.Value = slider->value();
    if (Prompts().RunDialog(dialog) == QDialog::Accepted) slider->setValue(dialog.Value);
}

void TMDIModbusConfig::AddRecipient()
{
    if (!m_content.CanAddRecipient()) {
        Prompts().Information(Text(texts::kTooManyRecipients));
        return;
    }
    TfrmEmail& dialog = m_tools.Email;
    dialog.EditMode = false;
    if (Prompts().RunDialog(dialog) != QDialog::Accepted) return;
    if (const std::optional<std::string> refused = m_content.AddRecipient(Std(dialog.EMailAddress)))
        Prompts().Information(Text(*refused));
}

void TMDIModbusConfig::EditRecipient()
{
    const int selected = m_content.SelectedRecipient();
    if (selected < 0) return;
    TfrmEmail& dialog = m_tools.Email;
    dialog.EditMode = true;
    dialog.EMailAddress = Text(m_content.Recipients()[static_cast<std::size_t>(selected)]);
    if (Prompts().RunDialog(dialog) != QDialog::Accepted) return;
    m_content.EditSelectedRecipient(Std(dialog.EMailAddress));
}

void TMDIModbusConfig::DeleteRecipient()
{
    if (m_content.SelectedRecipient() < 0) return;
    if (Prompts().Ask(Text(m_content.DeleteRecipientQuestion()), PromptButtons::YesNo) == PromptAnswer::Yes)
        m_content.DeleteSelectedRecipient();
}

// --- Tags -------------------------------------------------------------------------------------

bool TMDIModbusConfig::ShowsTagPage() const { return m_pages->currentIndex() == kTagsPage; }

bool TMDIModbusConfig::HasSelectedTag() const { return m_content.SelectedTag() >= 0; }

std::optional<TModbusTagConfig> TMDIModbusConfig::TagOfRow(int position)
{
    TModbusTagConfig tag;
    try {
        if (!m_content.GetTagFromList(position, tag)) return std::nullopt;
    } catch (const ConversionError& error) {
        Prompts().Error(Text(error.what()));
        return std::nullopt;
    }
    return tag;
}

std::optional<TModbusTagConfig> TMDIModbusConfig::RunTagEditor(bool editMode, TModbusTagConfig tag,
                                                                int excluded)
{
    TfrmModbusTags& editor = m_tools.TagEditor;
    editor.EditMode = editMode;
    editor.TagConfig = std::move(tag);
    for (;;) {
        if (Prompts().RunDialog(editor) != QDialog::Accepted) return std::nullopt;
        if (!m_content.TagExists(editor.TagConfig.Name, excluded)) return editor.TagConfig;
        Prompts().Error(Text(FormatText(texts::kTagAlreadyExists, editor.TagConfig.Name)));
        // Again, on the entry just made.
        editor.EditMode = true;
    }
}

void TMDIModbusConfig::AddTag()
{
    if (m_content.GetTagCount() >= kMaxTags) {
        Prompts().Error(Text(texts::kTooManyTags));
        return;
    }
    if (const std::optional<TModbusTagConfig> tag = RunTagEditor(false, {}, -1))
        m_content.AddTagToList(*tag);
}

void TMDIModbusConfig::EditTag() { EditTagAt(m_content.SelectedTag()); }

void TMDIModbusConfig::EditTagAt(int position)
{
    if (position < 0) return;
    const std::optional<TModbusTagConfig> tag = TagOfRow(position);
    if (!tag) return;
    if (const std::optional<TModbusTagConfig> edited = RunTagEditor(true, *tag, position)) {
        m_content.ReplaceSelectedTag(*edited);
        m_content.SetSaved(false);
    }
}

void TMDIModbusConfig::RemoveTag()
{
    const int selected = m_content.SelectedTag();
    if (selected < 0) return;
    const std::string& name = m_content.Rows()[static_cast<std::size_t>(selected)].Caption;
    if (Prompts().Ask(Text(FormatText(texts::kConfirmDeleteTag, name)), PromptButtons::YesNo) ==
        PromptAnswer::Yes)
        m_content.DeleteSelectedTag();
}

}  // namespace qvs::app
