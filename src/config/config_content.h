#pragma once

#include "flavour_rules.h"
#include "ini_store.h"
#include "kvr_file.h"
#include "number_text.h"
#include "tag_records.h"
#include "tag_rows.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qvs {

// The pages of a configuration document.
enum class ConfigPage { SerialPort, EMails, Tags };

// "Serial Port", "E-Mails", "Tags".
const char* PageTitle(ConfigPage page);

// The first failing check of a validation: the message (error box), the page to bring forward,
// the control to focus (by its object name) and whether that control is enabled, so may take the
// focus. For a recipient, the address to select.
struct TValidationFailure {
    std::string Message;
    ConfigPage Page = ConfigPage::SerialPort;
    std::string Field;
    bool FieldEnabled = true;
    int Recipient = -1;

    bool operator==(const TValidationFailure&) const = default;
};

// How a save ended: saved, refused by validation (nothing written), or the file could not be
// written ("Cannot create file %s"; the file on disk is unchanged).
struct TSaveOutcome {
    std::optional<TValidationFailure> Invalid;
    std::string Error;
    bool Ok() const { return !Invalid && Error.empty(); }
};

// What changed, for the window to refresh the matching controls.
enum class ContentChange { SerialPort, EMail, Recipients, Tags, SavedState };

// What the "Serial Port" page holds. List positions are -1 without a selection. Format and the
// packet timeout are Modbus only; data bits and error detection DF1 only.
struct TSerialPortContent {
    int ComType = 0;      // "RS-232", "RS-485", "RS-422"
    int BaudRate = 2;     // position in the rate list, 2 is 9600
    int Parity = 0;       // Modbus/Hostlink "None", "Odd", "Even"; DF1 "None", "Even"
    int Format = 0;       // "RTU", "ASCII"
    int DataBits = 1;     // "7", "8"
    int ErrorMethod = 0;  // "CRC", "BCC"
    int ScanTime = 100;         // slider 0..10000
    int MessageTimeout = 1000;  // slider 10..2000
    std::string PacketTimeout = "4";

    bool operator==(const TSerialPortContent&) const = default;
};

// What the "E-Mails" page holds: the texts of the fields as they stand.
struct TEmailContent {
    bool Enable = false;
    std::string Server;
    bool Auth = false;
    std::string User;
    std::string Password;      // txtPass1
    std::string Confirmation;  // txtPass2
    std::string Timeout = "20";
    std::string Retries = "5";
    std::string RetryInterval = "10";
    std::string Sender;

    bool operator==(const TEmailContent&) const = default;
};

namespace content {
inline constexpr int kScanTimeLowest = 0, kScanTimeHighest = 10000, kScanTimePageStep = 50;
inline constexpr int kMessageTimeoutLowest = 10, kMessageTimeoutHighest = 2000;
inline constexpr int kPacketTimeoutLowest = 3, kPacketTimeoutHighest = 20;
inline constexpr int kTimeoutLowest = 1, kTimeoutHighest = 100;
inline constexpr int kRetriesLowest = 0, kRetriesHighest = 99;
inline constexpr int kRetryIntervalLowest = 1, kRetryIntervalHighest = 100;
// Field lengths (the password's depends on the flavour, TFlavourRules::PasswordLimit).
inline constexpr std::size_t kServerLength = 49, kSenderLength = 50, kUserLength = 49;
inline constexpr std::size_t kRecipientLength = 50;
inline constexpr std::size_t kPacketTimeoutLength = 2, kTimeoutLength = 3, kRetriesLength = 2,
                             kRetryIntervalLength = 3;
}  // namespace content

// The content of a configuration document, without its window: exactly what the controls hold
// (list positions, slider positions, field texts, check boxes, the recipient list, the tag rows
// as row texts with their hidden cells), the file and its store, and the saved state. The window
// is a view: it shows these values, hands the user's edits to the setters and follows the change
// listener.
//
// What the three flavours share lives here; their differences come from one TFlavourRules table
// each and from the typed subclasses (TModbusConfigContent, THostlinkConfigContent,
// TDF1ConfigContent), which add the record operations.
class TConfigContent {
public:
    using ChangeListener = std::function<void(ContentChange)>;

    virtual ~TConfigContent() = default;

    const TFlavourRules& Rules() const { return m_rules; }
    ConfigFlavour Flavour() const { return m_rules.Flavour; }
    char DecimalSeparator() const { return m_separator; }
    void SetChangeListener(ChangeListener listener) { m_listener = std::move(listener); }

    // --- File and state -------------------------------------------------------------------
    // A new, empty document named `name` in `folder`: saved, no file of its own.
    void New(const std::string& name, const std::string& folder);
    // Fills the document from the file. False, with nothing changed, when there is no readable
    // file at the path. Reading warnings are kept in ReadWarnings(), in the order they arose.
    bool Open(const std::string& path);
    // Validates, writes the store and saves it to FileName().
    TSaveOutcome UpdateFile();
    // Binds the document to `path` with a fresh, empty store, then UpdateFile.
    TSaveOutcome SaveAs(const std::string& path);

    const std::string& FileName() const { return m_fileName; }
    std::string Caption() const { return m_rules.Caption + m_captionName; }
    bool Saved() const { return m_saved; }
    bool HasFile() const { return m_hasFile; }
    bool Loaded() const { return m_loaded; }
    void SetSaved(bool saved);
    const std::vector<std::string>& ReadWarnings() const { return m_readWarnings; }
    const IniStore& Store() const { return m_store; }
    // Saves go through this writer (tests make it fail); empty for the normal one.
    void SetFileWriter(IniWriteFunction writer) { m_writer = std::move(writer); }

    // The kvr reading and writing steps, in their order.
    void SetCOMFromFile(KvrReader& reader);
    void SetEMAILFromFile(KvrReader& reader);
    void SetTAGSFromFile(const IniStore& store);
    void SetFileVersion(IniStore& store) const;
    void SetFileFromCOM(IniStore& store) const;
    void SetFileFromEMAIL(IniStore& store) const;
    void SetFileFromTAGS(IniStore& store) const;

    // --- "Serial Port" page --------------------------------------------------------------
    const TSerialPortContent& SerialPort() const { return m_serial; }
    // List setters take a position inside the list or -1; other values are ignored.
    void SetComType(int position);
    void SetBaudRate(int position);
    void SetParity(int position);
    void SetFormat(int position);
    void SetDataBits(int position);
    void SetErrorMethod(int position);
    // Sliders clamp to their range.
    void SetScanTime(int position);
    void SetMessageTimeout(int position);
    void SetPacketTimeoutText(const std::string& text);
    std::string ScanTimeText() const;        // "100 ms"
    std::string MessageTimeoutText() const;  // "1000 ms"

    // --- "E-Mails" page ------------------------------------------------------------------
    const TEmailContent& Email() const { return m_email; }
    void SetEmailEnable(bool enable);
    void SetServer(const std::string& text);
    void SetAuth(bool auth);
    void SetUser(const std::string& text);
    void SetPassword(const std::string& text);
    void SetConfirmation(const std::string& text);
    void SetTimeoutText(const std::string& text);
    void SetRetriesText(const std::string& text);
    void SetRetryIntervalText(const std::string& text);
    void SetSender(const std::string& text);
    // The enable rule: server, authentication box, the three numbers and the sender follow
    // "Enable relaying"; user and passwords need both boxes ticked.
    bool RelayFieldsEnabled() const { return m_email.Enable; }
    bool AuthFieldsEnabled() const { return m_email.Enable && m_email.Auth; }

    // Recipients, one selected at a time (-1 none).
    const std::vector<std::string>& Recipients() const { return m_recipients; }
    int SelectedRecipient() const { return m_selectedRecipient; }
    void SelectRecipient(int index);
    bool CanAddRecipient() const;
    // Appends the address as typed; with 5 or more already, nothing changes and the information
    // text "Can´t add more than 5 E-Mail Addresses." is returned.
    std::optional<std::string> AddRecipient(const std::string& address);
    // Replaces the selected address; false without a selection.
    bool EditSelectedRecipient(const std::string& address);
    // The question to ask before deleting the selected address (empty without a selection).
    std::string DeleteRecipientQuestion() const;
    bool DeleteSelectedRecipient();
    bool MoveSelectedRecipientUp();
    bool MoveSelectedRecipientDown();

    // --- Validation ------------------------------------------------------------------------
    // The document's checks in the flavour's order; nothing when the document may be saved.
    std::optional<TValidationFailure> Validate() const;
    // Validate, then the one check a send adds: a gateway takes five recipients, so a sixth one
    // (from a file) stops the send with a message instead of vanishing.
    std::optional<TValidationFailure> ValidateForSend() const;
    // Every failing check of ValidateForSend, in order (each bad recipient on its own), for
    // reports that list all problems at once.
    std::vector<TValidationFailure> AllProblems() const;

    // --- "Tags" page -----------------------------------------------------------------------
    const std::vector<TTagRow>& Rows() const { return m_rows; }
    int SelectedTag() const { return m_selectedTag; }
    void SelectTag(int index);
    int GetTagCount() const { return static_cast<int>(m_rows.size()); }
    // True when a row at another position than `excluded` has exactly this name; -1 excludes none.
    bool TagExists(const std::string& name, int excluded) const;
    void DeleteSelectedTag();

protected:
    TConfigContent(const TFlavourRules& rules, char separator);

    void AddRow(TTagRow row);
    void ReplaceSelectedRow(TTagRow row);
    void ClearRows();
    // The e-mail part of a whole-configuration record; the number fields throw
    // IntegerConversionError when they hold no integer.
    TEmailConfig GatherEmail(bool includeAuth) const;
    void ApplyEmail(const TEmailConfig& email);
    // Slider, list and field helpers for SetAllConfig.
    void SelectComTypeCode(int code);

private:
    void Changed(ContentChange change);
    void NotifyAll();
    template <typename T>
    void Assign(T& field, const T& value, ContentChange change);
    void SetListPosition(int& field, int position, std::size_t count, ContentChange change);
    void ResetControls();
    std::vector<TValidationFailure> Check(bool forSend, bool firstOnly) const;

    const TFlavourRules& m_rules;
    char m_separator;
    ChangeListener m_listener;

    std::string m_fileName;
    std::string m_captionName;
    bool m_saved = true;
    bool m_hasFile = false;
    bool m_loaded = false;
    IniStore m_store;
    IniWriteFunction m_writer;
    std::vector<std::string> m_readWarnings;

    TSerialPortContent m_serial;
    TEmailContent m_email;
    std::vector<std::string> m_recipients;
    int m_selectedRecipient = -1;
    std::vector<TTagRow> m_rows;
    int m_selectedTag = -1;
};

}  // namespace qvs
