#include "config_content.h"

#include "config_texts.h"
#include "float_text.h"
#include "kvr_file.h"
#include "qprot_errors.h"
#include "text_checks.h"
#include "text_format.h"

#include <algorithm>
#include <filesystem>
#include <iterator>

namespace qvs {

namespace {

std::string Trimmed(std::string_view text)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 0x20) ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 0x20) --end;
    return std::string(text.substr(begin, end - begin));
}

std::optional<int32_t> FieldInteger(const std::string& text)
{
    try {
        return ParseInteger(text);
    } catch (const IntegerConversionError&) {
        return std::nullopt;
    }
}

bool InRange(const std::string& text, int lowest, int highest)
{
    const auto value = FieldInteger(text);
    return value && *value >= lowest && *value <= highest;
}

// A number field as its key stores it: the integer, or the text when it holds none.
std::string FieldForFile(const std::string& text)
{
    const auto value = FieldInteger(text);
    return value ? std::to_string(*value) : text;
}

bool IsDecimalKey(std::string_view key)
{
    for (const char* decimal : rows::kModbusDecimalKeys)
        if (key == decimal) return true;
    return false;
}

constexpr const char* kTrapKey = "TRAP";

// COMTYPE codes of the three interface list positions; 1 also reads as "RS-232".
constexpr int kComTypeCodes[] = {0, 2, 3};

}  // namespace

const char* PageTitle(ConfigPage page)
{
    switch (page) {
    case ConfigPage::EMails: return texts::kPageEMails;
    case ConfigPage::Tags: return texts::kPageTags;
    case ConfigPage::SerialPort: break;
    }
    return texts::kPageSerialPort;
}

TConfigContent::TConfigContent(const TFlavourRules& rules, char separator)
    : m_rules(rules), m_separator(separator) {}

// --- File and state ------------------------------------------------------------------------

void TConfigContent::ResetControls()
{
    m_serial = TSerialPortContent{};
    m_email = TEmailContent{};
    m_recipients.clear();
    m_selectedRecipient = -1;
    m_rows.clear();
    m_selectedTag = -1;
    m_readWarnings.clear();
}

void TConfigContent::New(const std::string& name, const std::string& folder)
{
    m_loaded = false;
    ResetControls();
    m_captionName = name;
    m_fileName = folder.empty() ? name : (std::filesystem::path(folder) / name).string();
    m_store = IniStore(m_fileName);
    m_hasFile = false;
    SetSaved(true);
    m_loaded = true;
    NotifyAll();
}

bool TConfigContent::Open(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    IniStore store;
    if (!store.Load(path)) return false;

    m_loaded = false;
    ResetControls();
    m_store = std::move(store);
    m_captionName = path;
    m_fileName = path;
    m_hasFile = true;
    SetSaved(true);

    KvrReader reader(m_store, m_rules.WarnOnCut);
    SetCOMFromFile(reader);
    SetEMAILFromFile(reader);
    SetTAGSFromFile(m_store);
    m_readWarnings = reader.Warnings();
    if (reader.Changed()) SetSaved(false);
    m_loaded = true;
    NotifyAll();
    return true;
}

TSaveOutcome TConfigContent::UpdateFile()
{
    TSaveOutcome outcome;
    outcome.Invalid = Validate();
    if (outcome.Invalid) return outcome;
    SetFileVersion(m_store);
    SetFileFromCOM(m_store);
    SetFileFromEMAIL(m_store);
    SetFileFromTAGS(m_store);
    const IniSaveResult saved = m_writer ? m_store.SaveWith(m_fileName, FileAccess::Default, m_writer)
                                         : m_store.Save(m_fileName);
    if (!saved) {
        outcome.Error = saved.Error;
        return outcome;
    }
    SetSaved(true);
    return outcome;
}

TSaveOutcome TConfigContent::SaveAs(const std::string& path)
{
    m_store = IniStore(path);
    m_fileName = path;
    m_captionName = path;
    m_hasFile = true;
    // Bound to a path whose file does not hold this content yet: unsaved until a save succeeds.
    SetSaved(false);
    return UpdateFile();
}

void TConfigContent::SetSaved(bool saved)
{
    if (m_saved == saved) return;
    m_saved = saved;
    if (m_listener) m_listener(ContentChange::SavedState);
}

void TConfigContent::NotifyAll()
{
    if (!m_listener) return;
    for (ContentChange change : {ContentChange::SerialPort, ContentChange::EMail,
                                 ContentChange::Recipients, ContentChange::Tags})
        m_listener(change);
}

void TConfigContent::Changed(ContentChange change)
{
    if (m_loaded) SetSaved(false);
    if (m_listener) m_listener(change);
}

template <typename T>
void TConfigContent::Assign(T& field, const T& value, ContentChange change)
{
    if (field == value) return;
    field = value;
    Changed(change);
}

void TConfigContent::SetListPosition(int& field, int position, std::size_t count,
                                     ContentChange change)
{
    if (position < -1 || position >= static_cast<int>(count)) return;
    Assign(field, position, change);
}

// --- Reading -----------------------------------------------------------------------------

void TConfigContent::SetCOMFromFile(KvrReader& reader)
{
    using namespace texts;
    const char* com = kvr::kCom;
    const int comType =
        reader.ReadInteger(com, "COMTYPE", 0, kSerialComType, kDefaultComType, 0, 3).Value;
    SetComType(comType <= 1 ? 0 : comType - 1);

    const int32_t baud =
        reader.ReadInteger(com, "BAUD", 9600, kBaudRate, kDefaultBaudRate, 2400, 115200).Value;
    const auto rate = std::find(std::begin(lists::kBaudRates), std::end(lists::kBaudRates), baud);
    if (rate == std::end(lists::kBaudRates)) {
        reader.WarnInvalid(kBaudRate, std::to_string(baud), kDefaultBaudRate);
        SetBaudRate(2);
    } else {
        SetBaudRate(static_cast<int>(rate - std::begin(lists::kBaudRates)));
    }

    const int parityHighest = static_cast<int>(m_rules.ParityList.size()) - 1;
    SetParity(reader.ReadInteger(com, "PARITY", 0, kParity, kDefaultParity, 0, parityHighest).Value);
    if (m_rules.HasFormat)
        SetFormat(reader.ReadInteger(com, "FORMAT", 0, kFormat, kDefaultFormat, 0, 1).Value);
    SetScanTime(reader.ReadInteger(com, "SCANTIME", 100, kScanTime, kDefaultScanTime,
                                   content::kScanTimeLowest, content::kScanTimeHighest).Value);
    SetMessageTimeout(reader.ReadInteger(com, "MSGTOUT", 1000, kMessageTimeout,
                                         kDefaultMessageTimeout, content::kMessageTimeoutLowest,
                                         content::kMessageTimeoutHighest).Value);
    if (m_rules.HasPacketTimeout)
        SetPacketTimeoutText(std::to_string(
            reader.ReadInteger(com, "PKTTOUT", 4, kPacketTimeout, kDefaultPacketTimeout,
                               content::kPacketTimeoutLowest, content::kPacketTimeoutHighest)
                .Value));
    if (m_rules.HasDF1Serial) {
        SetDataBits(reader.ReadInteger(com, "DATABITS", 8, kDataBits, kDefaultDataBits, 7, 8).Value - 7);
        SetErrorMethod(reader.ReadInteger(com, "ERRORMTHD", 0, kErrorDetection,
                                          kDefaultErrorDetection, 0, 1).Value);
    }
}

void TConfigContent::SetEMAILFromFile(KvrReader& reader)
{
    using namespace texts;
    const char* smtp = kvr::kSmtp;
    SetEmailEnable(reader.ReadBoolean(smtp, "ENABLE"));
    SetServer(reader.ReadString(smtp, "SERVER", content::kServerLength).Value);
    SetTimeoutText(std::to_string(reader.ReadInteger(smtp, "TIMEOUT", 20, m_rules.TimeoutName,
                                                     kDefaultTimeout, content::kTimeoutLowest,
                                                     content::kTimeoutHighest).Value));
    SetRetriesText(std::to_string(reader.ReadInteger(smtp, "RETRIES", 5, m_rules.RetriesName,
                                                     kDefaultRetries, content::kRetriesLowest,
                                                     content::kRetriesHighest).Value));
    SetRetryIntervalText(std::to_string(
        reader.ReadInteger(smtp, "RETRYINT", 10, m_rules.RetryIntervalName, kDefaultRetryInterval,
                           content::kRetryIntervalLowest, content::kRetryIntervalHighest).Value));
    SetSender(reader.ReadString(smtp, "FROM", content::kSenderLength).Value);
    SetAuth(reader.ReadBoolean(smtp, "AUTH"));
    SetUser(reader.ReadString(smtp, "USER", content::kUserLength).Value);
    SetPassword(reader.ReadString(smtp, "PASS", m_rules.PasswordLimit).Value);
    SetConfirmation(reader.ReadString(smtp, "PASS", m_rules.PasswordLimit).Value);
    std::vector<std::string> recipients;
    for (int i = 0; i <= kMaxRecipients; ++i) {
        std::string address =
            reader.ReadString(smtp, "TOO_" + std::to_string(i), content::kRecipientLength).Value;
        if (!address.empty()) recipients.push_back(std::move(address));
    }
    Assign(m_recipients, recipients, ContentChange::Recipients);
}

void TConfigContent::SetTAGSFromFile(const IniStore& store)
{
    std::vector<TTagRow> rows;
    for (int i = 0; i < kMaxTags; ++i) {
        const std::string section = kvr::kTagPrefix + std::to_string(i);
        if (!store.SectionExists(section)) break;
        TTagRow row{store.ReadString(section, "NAME", ""), {}};
        for (const char* key : m_rules.RowKeys) {
            const bool trap = m_rules.HasTrapCell && std::string_view(key) == kTrapKey;
            std::string cell = store.ReadString(section, key, trap ? lists::kNo : "");
            if (m_rules.NormalizeDecimals && IsDecimalKey(key))
                cell = NormalizeDecimal(cell, m_separator);
            row.Cells.push_back(std::move(cell));
        }
        rows.push_back(std::move(row));
    }
    m_selectedTag = -1;
    Assign(m_rows, rows, ContentChange::Tags);
}

// --- Writing -----------------------------------------------------------------------------

void TConfigContent::SetFileVersion(IniStore& store) const
{
    const kvr::FileIdentity identity = kvr::IdentityOf(m_rules.Flavour);
    store.WriteString(kvr::kGeneral, kvr::kFileType, identity.FileType);
    store.WriteString(kvr::kGeneral, kvr::kFileVersion, identity.FileVersion);
}

void TConfigContent::SetFileFromCOM(IniStore& store) const
{
    const char* com = kvr::kCom;
    if (m_serial.ComType >= 0) store.WriteInteger(com, "COMTYPE", kComTypeCodes[m_serial.ComType]);
    if (m_serial.BaudRate >= 0) store.WriteInteger(com, "BAUD", lists::kBaudRates[m_serial.BaudRate]);
    store.WriteInteger(com, "PARITY", m_serial.Parity);
    if (m_rules.HasFormat) store.WriteInteger(com, "FORMAT", m_serial.Format);
    store.WriteInteger(com, "SCANTIME", m_serial.ScanTime);
    store.WriteInteger(com, "MSGTOUT", m_serial.MessageTimeout);
    if (m_rules.HasPacketTimeout) store.WriteString(com, "PKTTOUT", FieldForFile(m_serial.PacketTimeout));
    if (m_rules.HasDF1Serial) {
        if (m_serial.DataBits >= 0) store.WriteInteger(com, "DATABITS", m_serial.DataBits + 7);
        store.WriteInteger(com, "ERRORMTHD", m_serial.ErrorMethod);
    }
}

void TConfigContent::SetFileFromEMAIL(IniStore& store) const
{
    const char* smtp = kvr::kSmtp;
    store.WriteBool(smtp, "ENABLE", m_email.Enable);
    store.WriteString(smtp, "SERVER", Trimmed(m_email.Server));
    store.WriteString(smtp, "TIMEOUT", FieldForFile(m_email.Timeout));
    store.WriteString(smtp, "RETRIES", FieldForFile(m_email.Retries));
    store.WriteString(smtp, "RETRYINT", FieldForFile(m_email.RetryInterval));
    store.WriteString(smtp, "FROM", Trimmed(m_email.Sender));
    store.WriteBool(smtp, "AUTH", m_email.Auth);
    store.WriteString(smtp, "USER", Trimmed(m_email.User));
    store.WriteString(smtp, "PASS", Trimmed(m_email.Password));
    // Six keys, so that a sixth address read from a file survives an open and save.
    for (std::size_t i = 0; i <= kMaxRecipients; ++i)
        store.WriteString(smtp, "TOO_" + std::to_string(i),
                          i < m_recipients.size() ? Trimmed(m_recipients[i]) : std::string());
}

void TConfigContent::SetFileFromTAGS(IniStore& store) const
{
    for (int i = 0; i < kMaxTags; ++i) {
        const std::string section = kvr::kTagPrefix + std::to_string(i);
        if (!store.SectionExists(section)) break;
        store.EraseSection(section);
    }
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const std::string section = kvr::kTagPrefix + std::to_string(i);
        const TTagRow& row = m_rows[i];
        store.WriteString(section, "NAME", row.Caption);
        for (std::size_t k = 0; k < m_rules.RowKeys.size(); ++k) {
            const std::string_view key = m_rules.RowKeys[k];
            if (m_rules.HasTrapCell && key == kTrapKey) continue;
            std::string cell = k < row.Cells.size() ? row.Cells[k] : std::string();
            if (m_rules.NormalizeDecimals && IsDecimalKey(key))
                cell = NormalizeDecimal(cell, m_separator);
            store.WriteString(section, key, cell);
        }
    }
}

// --- "Serial Port" page ------------------------------------------------------------------

void TConfigContent::SetComType(int p) { SetListPosition(m_serial.ComType, p, std::size(lists::kComType), ContentChange::SerialPort); }
void TConfigContent::SetBaudRate(int p) { SetListPosition(m_serial.BaudRate, p, std::size(lists::kBaudRate), ContentChange::SerialPort); }
void TConfigContent::SetParity(int p) { SetListPosition(m_serial.Parity, p, m_rules.ParityList.size(), ContentChange::SerialPort); }
void TConfigContent::SetFormat(int p) { SetListPosition(m_serial.Format, p, std::size(lists::kFormat), ContentChange::SerialPort); }
void TConfigContent::SetDataBits(int p) { SetListPosition(m_serial.DataBits, p, std::size(lists::kDataBits), ContentChange::SerialPort); }
void TConfigContent::SetErrorMethod(int p) { SetListPosition(m_serial.ErrorMethod, p, std::size(lists::kErrorDetection), ContentChange::SerialPort); }

void TConfigContent::SetScanTime(int position)
{
    Assign(m_serial.ScanTime,
           std::clamp(position, content::kScanTimeLowest, content::kScanTimeHighest),
           ContentChange::SerialPort);
}

void TConfigContent::SetMessageTimeout(int position)
{
    Assign(m_serial.MessageTimeout,
           std::clamp(position, content::kMessageTimeoutLowest, content::kMessageTimeoutHighest),
           ContentChange::SerialPort);
}

void TConfigContent::SetPacketTimeoutText(const std::string& text)
{
    Assign(m_serial.PacketTimeout, text, ContentChange::SerialPort);
}

std::string TConfigContent::ScanTimeText() const
{
    return FormatText(texts::kMilliseconds, std::to_string(m_serial.ScanTime));
}

std::string TConfigContent::MessageTimeoutText() const
{
    return FormatText(texts::kMilliseconds, std::to_string(m_serial.MessageTimeout));
}

void TConfigContent::SelectComTypeCode(int code)
{
    if (code >= 0 && code <= 2) SetComType(code);
}

// --- "E-Mails" page ----------------------------------------------------------------------

void TConfigContent::SetEmailEnable(bool v) { Assign(m_email.Enable, v, ContentChange::EMail); }
void TConfigContent::SetServer(const std::string& v) { Assign(m_email.Server, v, ContentChange::EMail); }
void TConfigContent::SetAuth(bool v) { Assign(m_email.Auth, v, ContentChange::EMail); }
void TConfigContent::SetUser(const std::string& v) { Assign(m_email.User, v, ContentChange::EMail); }
void TConfigContent::SetPassword(const std::string& v) { Assign(m_email.Password, v, ContentChange::EMail); }
void TConfigContent::SetConfirmation(const std::string& v) { Assign(m_email.Confirmation, v, ContentChange::EMail); }
void TConfigContent::SetTimeoutText(const std::string& v) { Assign(m_email.Timeout, v, ContentChange::EMail); }
void TConfigContent::SetRetriesText(const std::string& v) { Assign(m_email.Retries, v, ContentChange::EMail); }
void TConfigContent::SetRetryIntervalText(const std::string& v) { Assign(m_email.RetryInterval, v, ContentChange::EMail); }
void TConfigContent::SetSender(const std::string& v) { Assign(m_email.Sender, v, ContentChange::EMail); }

void TConfigContent::SelectRecipient(int index)
{
    if (index < -1 || index >= static_cast<int>(m_recipients.size())) return;
    if (m_selectedRecipient == index) return;
    m_selectedRecipient = index;
    if (m_listener) m_listener(ContentChange::Recipients);  // a selection is no change
}

bool TConfigContent::CanAddRecipient() const
{
    return m_recipients.size() < static_cast<std::size_t>(kMaxRecipients);
}

std::optional<std::string> TConfigContent::AddRecipient(const std::string& address)
{
    if (!CanAddRecipient()) return std::string(texts::kTooManyRecipients);
    m_recipients.push_back(address);
    Changed(ContentChange::Recipients);
    return std::nullopt;
}

bool TConfigContent::EditSelectedRecipient(const std::string& address)
{
    if (m_selectedRecipient < 0) return false;
    std::string& slot = m_recipients[static_cast<std::size_t>(m_selectedRecipient)];
    if (slot != address) {
        slot = address;
        Changed(ContentChange::Recipients);
    }
    return true;
}

std::string TConfigContent::DeleteRecipientQuestion() const
{
    if (m_selectedRecipient < 0) return {};
    return FormatText(texts::kConfirmDeleteRecipient,
                      m_recipients[static_cast<std::size_t>(m_selectedRecipient)]);
}

bool TConfigContent::DeleteSelectedRecipient()
{
    if (m_selectedRecipient < 0) return false;
    m_recipients.erase(m_recipients.begin() + m_selectedRecipient);
    m_selectedRecipient = -1;
    Changed(ContentChange::Recipients);
    return true;
}

bool TConfigContent::MoveSelectedRecipientUp()
{
    if (m_selectedRecipient <= 0) return false;
    const auto i = static_cast<std::size_t>(m_selectedRecipient);
    std::swap(m_recipients[i], m_recipients[i - 1]);
    --m_selectedRecipient;
    Changed(ContentChange::Recipients);
    return true;
}

bool TConfigContent::MoveSelectedRecipientDown()
{
    if (m_selectedRecipient < 0 || m_selectedRecipient + 1 >= static_cast<int>(m_recipients.size()))
        return false;
    const auto i = static_cast<std::size_t>(m_selectedRecipient);
    std::swap(m_recipients[i], m_recipients[i + 1]);
    ++m_selectedRecipient;
    Changed(ContentChange::Recipients);
    return true;
}

// --- Validation --------------------------------------------------------------------------

std::optional<TValidationFailure> TConfigContent::Validate() const
{
    auto failures = Check(false, true);
    if (failures.empty()) return std::nullopt;
    return failures.front();
}

std::optional<TValidationFailure> TConfigContent::ValidateForSend() const
{
    auto failures = Check(true, true);
    if (failures.empty()) return std::nullopt;
    return failures.front();
}

std::vector<TValidationFailure> TConfigContent::AllProblems() const { return Check(true, false); }

std::vector<TValidationFailure> TConfigContent::Check(bool forSend, bool firstOnly) const
{
    const TValidationTexts& messages = m_rules.Validation;
    const bool relay = m_email.Enable;
    std::vector<TValidationFailure> failures;
    // True when validation is to stop here.
    auto fail = [&](std::string message, ConfigPage page, const char* field, bool enabled,
                    int recipient = -1) {
        failures.push_back(TValidationFailure{std::move(message), page, field, enabled, recipient});
        return firstOnly;
    };

    if (m_rules.HasPacketTimeout &&
        !InRange(m_serial.PacketTimeout, content::kPacketTimeoutLowest, content::kPacketTimeoutHighest) &&
        fail(messages.PacketTimeout, ConfigPage::SerialPort, "txtPacketTout", true))
        return failures;
    if (((relay && m_email.Server.empty()) ||
         (!m_email.Server.empty() && !IsValidHostName(m_email.Server))) &&
        fail(messages.Server, ConfigPage::EMails, "txtEMailServer", relay))
        return failures;
    if (!InRange(m_email.Timeout, content::kTimeoutLowest, content::kTimeoutHighest) &&
        fail(messages.Timeout, ConfigPage::EMails, "txtEMailTimeout", relay))
        return failures;
    if (!InRange(m_email.Retries, content::kRetriesLowest, content::kRetriesHighest) &&
        fail(messages.Retries, ConfigPage::EMails, "txtEMailRetries", relay))
        return failures;
    if (!InRange(m_email.RetryInterval, content::kRetryIntervalLowest, content::kRetryIntervalHighest) &&
        fail(messages.RetryInterval, ConfigPage::EMails, "txtEMailInterRetries", relay))
        return failures;
    if (((relay && m_email.Sender.empty()) ||
         (!m_email.Sender.empty() && !IsValidEmail(m_email.Sender))) &&
        fail(messages.Sender, ConfigPage::EMails, "txtEMailSender", relay))
        return failures;

    auto recipients = [&]() {
        for (std::size_t i = 0; i < m_recipients.size(); ++i)
            if (!IsValidEmail(m_recipients[i]) &&
                fail(messages.Recipient, ConfigPage::EMails, "lstEMailRecipients", true,
                     static_cast<int>(i)))
                return true;
        return false;
    };
    auto authentication = [&]() {
        if (!AuthFieldsEnabled()) return false;
        if (m_email.User.empty() && fail(messages.User, ConfigPage::EMails, "txtUser", true))
            return true;
        return m_email.Password != m_email.Confirmation &&
               fail(messages.Passwords, ConfigPage::EMails, "txtPass1", true);
    };
    if (messages.AuthBeforeRecipients ? (authentication() || recipients())
                                      : (recipients() || authentication()))
        return failures;

    if (forSend && m_recipients.size() > static_cast<std::size_t>(kMaxRecipients))
        fail(FormatText(texts::kSixthRecipient, m_recipients[kMaxRecipients]), ConfigPage::EMails,
             "lstEMailRecipients", true, kMaxRecipients);
    return failures;
}

// --- "Tags" page -------------------------------------------------------------------------

void TConfigContent::SelectTag(int index)
{
    if (index < -1 || index >= GetTagCount() || index == m_selectedTag) return;
    m_selectedTag = index;
    if (m_listener) m_listener(ContentChange::Tags);
}

bool TConfigContent::TagExists(const std::string& name, int excluded) const
{
    for (int i = 0; i < GetTagCount(); ++i)
        if (i != excluded && m_rows[static_cast<std::size_t>(i)].Caption == name) return true;
    return false;
}

void TConfigContent::DeleteSelectedTag()
{
    if (m_selectedTag < 0) return;
    m_rows.erase(m_rows.begin() + m_selectedTag);
    m_selectedTag = -1;
    Changed(ContentChange::Tags);
}

void TConfigContent::AddRow(TTagRow row)
{
    m_rows.push_back(std::move(row));
    Changed(ContentChange::Tags);
}

void TConfigContent::ReplaceSelectedRow(TTagRow row)
{
    if (m_selectedTag < 0) return;
    m_rows[static_cast<std::size_t>(m_selectedTag)] = std::move(row);
    Changed(ContentChange::Tags);
}

void TConfigContent::ClearRows()
{
    m_selectedTag = -1;
    if (m_rows.empty()) return;
    m_rows.clear();
    Changed(ContentChange::Tags);
}

// --- Whole-configuration record ----------------------------------------------------------

TEmailConfig TConfigContent::GatherEmail(bool includeAuth) const
{
    TEmailConfig email;
    email.Enable = m_email.Enable;
    email.Server = m_email.Server;
    email.Timeout = ParseInteger(m_email.Timeout);
    email.Retries = ParseInteger(m_email.Retries);
    email.RetryInterval = ParseInteger(m_email.RetryInterval);
    email.From = m_email.Sender;
    const std::size_t count = std::min(m_recipients.size(), email.Recipients.size());
    for (std::size_t i = 0; i < count; ++i) email.Recipients[i] = m_recipients[i];
    email.RecipientCount = static_cast<int32_t>(count);
    if (includeAuth) {
        email.Auth = m_email.Auth;
        email.User = m_email.User;
        email.Password = m_email.Password;
    }
    return email;
}

void TConfigContent::ApplyEmail(const TEmailConfig& email)
{
    SetEmailEnable(email.Enable);
    SetServer(email.Server);
    SetTimeoutText(std::to_string(email.Timeout));
    SetRetriesText(std::to_string(email.Retries));
    SetRetryIntervalText(std::to_string(email.RetryInterval));
    SetSender(email.From);
    SetAuth(email.Auth);
    SetUser(email.User);
    SetPassword(email.Password);
    SetConfirmation(email.Password);
    // Every address the record holds, in slot order, without empty entries: a gateway may hold
    // an address in a later slot only.
    std::vector<std::string> recipients;
    for (const std::string& address : email.Recipients)
        if (!address.empty()) recipients.push_back(address);
    m_selectedRecipient = -1;
    Assign(m_recipients, recipients, ContentChange::Recipients);
}

}  // namespace qvs
