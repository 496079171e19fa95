#pragma once

#include "gateway_models.h"
#include "tag_lists.h"

#include <cstddef>

// Everything in which the Modbus, Hostlink and DF1 documents differ, apart from their records and
// row texts (tag_rows.h): one table per flavour, read by TConfigContent.
namespace qvs {

struct TValidationTexts {
    const char* PacketTimeout;  // nullptr: the flavour has no packet timeout
    const char* Server;
    const char* Timeout;
    const char* Retries;
    const char* RetryInterval;
    const char* Sender;
    const char* Recipient;
    const char* User;
    const char* Passwords;
    bool AuthBeforeRecipients;  // DF1 checks user and passwords before the recipients
};

struct TFlavourRules {
    ConfigFlavour Flavour;
    const char* Caption;  // followed by the document's name or path

    // "Serial Port" page.
    bool HasFormat;         // Modbus "Modbus Format" list and FORMAT key
    bool HasPacketTimeout;  // Modbus packet-timeout field and PKTTOUT key
    bool HasDF1Serial;      // DF1 two-item parity, DATABITS and ERRORMTHD
    TextList ParityList;

    // "E-Mails" page and the SMTP section.
    std::size_t PasswordLimit;
    bool WarnOnCut;  // a text cut to its limit while reading is reported
    const char* TimeoutName;
    const char* RetriesName;
    const char* RetryIntervalName;
    bool AuthRelayNeedsFirmware;  // Modbus: authenticated relay only from firmware 2.0.6
    TValidationTexts Validation;

    // "Tags" page and the TAG sections.
    TextList RowKeys;  // the cells after the name, hidden ones included
    TextList Columns;  // the visible columns, "Name" first
    bool NormalizeDecimals;  // Modbus numeric cells follow the user's decimal separator
    bool HasTrapCell;        // Modbus hidden TRAP cell: read, never written
};

extern const TFlavourRules kModbusRules;
extern const TFlavourRules kHostlinkRules;
extern const TFlavourRules kDF1Rules;

const TFlavourRules& RulesOf(ConfigFlavour flavour);

}  // namespace qvs
