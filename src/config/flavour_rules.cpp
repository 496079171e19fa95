#include "flavour_rules.h"

#include "config_texts.h"
#include "tag_rows.h"

namespace qvs {

const TFlavourRules kModbusRules{
    ConfigFlavour::Modbus,
    texts::kModbusCaption,
    /*HasFormat=*/true,
    /*HasPacketTimeout=*/true,
    /*HasDF1Serial=*/false,
    lists::kParity,
    /*PasswordLimit=*/20,
    /*WarnOnCut=*/false,
    "E-mail delivery Timeout",
    "E-mail delivery Retries",
    "Retry every",
    /*AuthRelayNeedsFirmware=*/true,
    {texts::kInvalidPacketTimeout, texts::kInvalidSmtpServer, "Invalid E-Mail Delivery Timeout.",
     "Invalid E-Mail Delivery Retries.", texts::kInvalidTimeBetweenRetries,
     "Invalid E-mail Address.", "Invalid E-mail Address.", texts::kInvalidSmtpUsername,
     texts::kPasswordsDoNotMatch, /*AuthBeforeRecipients=*/false},
    rows::kModbusKeys,
    rows::kModbusColumns,
    /*NormalizeDecimals=*/true,
    /*HasTrapCell=*/true,
};

const TFlavourRules kHostlinkRules{
    ConfigFlavour::Hostlink,
    texts::kHostlinkCaption,
    /*HasFormat=*/false,
    /*HasPacketTimeout=*/false,
    /*HasDF1Serial=*/false,
    lists::kParity,
    /*PasswordLimit=*/49,
    /*WarnOnCut=*/true,
    "E-Mail Sending Timeout",
    "E-Mail Sending Retries",
    "Time between E-Mail sending retries",
    /*AuthRelayNeedsFirmware=*/false,
    {nullptr, texts::kInvalidSmtpServer, "Invalid Delivery Timeout.", "Invalid Delivery Retries.",
     texts::kInvalidTimeBetweenRetries, "Invalid E-mail address.", "Invalid E-mail address.",
     texts::kInvalidSmtpUsername, texts::kPasswordsDoNotMatch, /*AuthBeforeRecipients=*/false},
    rows::kHostlinkKeys,
    rows::kHostlinkColumns,
    /*NormalizeDecimals=*/false,
    /*HasTrapCell=*/false,
};

const TFlavourRules kDF1Rules{
    ConfigFlavour::DF1,
    texts::kDF1Caption,
    /*HasFormat=*/false,
    /*HasPacketTimeout=*/false,
    /*HasDF1Serial=*/true,
    lists::kDF1Parity,
    /*PasswordLimit=*/49,
    /*WarnOnCut=*/true,
    "E-mail delivery timeout",
    "E-mail delivery retries",
    "Retry every",
    /*AuthRelayNeedsFirmware=*/false,
    {nullptr, "The SMTP Server is not valid.", "The E-Mail Sending Timeout is not valid.",
     "The E-Mail Sending Retries is not valid.", "The time between retries is not valid.",
     "The E-mail Address is not valid.", "The E-mail Address is not valid.",
     texts::kInvalidSmtpUsername, texts::kPasswordsDoNotMatch, /*AuthBeforeRecipients=*/true},
    rows::kDF1Keys,
    rows::kDF1Columns,
    /*NormalizeDecimals=*/false,
    /*HasTrapCell=*/false,
};

const TFlavourRules& RulesOf(ConfigFlavour flavour)
{
    switch (flavour) {
    case ConfigFlavour::Hostlink: return kHostlinkRules;
    case ConfigFlavour::DF1: return kDF1Rules;
    case ConfigFlavour::Modbus: break;
    }
    return kModbusRules;
}

}  // namespace qvs
