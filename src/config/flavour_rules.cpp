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
    texts::kModbusTimeoutName,
    texts::kModbusRetriesName,
    texts::kModbusRetryIntervalName,
    /*AuthRelayNeedsFirmware=*/true,
    {texts::kInvalidPacketTimeout, texts::kInvalidSmtpServer, texts::kModbusInvalidTimeout,
     texts::kModbusInvalidRetries, texts::kInvalidTimeBetweenRetries,
     texts::kModbusInvalidAddress, texts::kModbusInvalidAddress, texts::kInvalidSmtpUsername,
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
    texts::kHostlinkTimeoutName,
    texts::kHostlinkRetriesName,
    texts::kHostlinkRetryIntervalName,
    /*AuthRelayNeedsFirmware=*/false,
    {nullptr, texts::kInvalidSmtpServer, texts::kHostlinkInvalidTimeout, texts::kHostlinkInvalidRetries,
     texts::kInvalidTimeBetweenRetries, texts::kHostlinkInvalidAddress, texts::kHostlinkInvalidAddress,
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
    texts::kDF1TimeoutName,
    texts::kDF1RetriesName,
    texts::kDF1RetryIntervalName,
    /*AuthRelayNeedsFirmware=*/false,
    {nullptr, texts::kDF1InvalidServer, texts::kDF1InvalidTimeout,
     texts::kDF1InvalidRetries, texts::kDF1InvalidRetryInterval,
     texts::kDF1InvalidAddress, texts::kDF1InvalidAddress,
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
