#pragma once

#include "config_content.h"
#include "df1_config_content.h"
#include "hostlink_config_content.h"
#include "modbus_config_content.h"
#include "qprot_errors.h"
#include "transfer_dialog.h"

#include <QString>

#include <functional>
#include <type_traits>

namespace qvs {

// What a configuration document window lends its SendToKavro and GetFromKavro: the message
// boxes and its own way of showing a validation failure (page, focus).
struct TDocumentTransferPrompts {
    std::function<void(const TValidationFailure&)> ShowInvalid;
    std::function<void(const QString& text)> Error;
    // The unsupported-feature notice (TfrmNoFeature) with the feature's name.
    std::function<void(const QString& feature)> NoFeature;
    // A warning with Yes and No; true for Yes.
    std::function<bool(const QString& question)> ConfirmWarning;
};

namespace document_transfer {
inline constexpr const char* kOverwriteQuestion =
    "Sending this configuration to Kavro will overwrite current Device Configuration.\r\n"
    "Are you sure to Send this configuration to Connected Kavro?";
inline constexpr const char* kNoFeatureAuthRelay = "SMTP relay not authenticated";
}  // namespace document_transfer

// SendToKavro of a configuration document: validation, for Modbus the firmware rule of the
// authenticated relay, the overwrite question, then the transfer dialog in its send direction
// with the record gathered from the document, shown modally. The document is not changed.
template <class Content>
bool SendToKavro(const Content& content, const TDeviceData& device, TfrmTransferConfig& dialog,
                 const TDocumentTransferPrompts& prompts)
{
    if (const auto failure = content.ValidateForSend()) {
        prompts.ShowInvalid(*failure);
        return true;
    }
    try {
        bool includeAuth = true;
        if constexpr (std::is_same_v<Content, TModbusConfigContent>) {
            includeAuth = ModbusAuthRelaySupported(device.Version);
            if (!includeAuth && content.Email().Auth)
                prompts.NoFeature(QString::fromUtf8(document_transfer::kNoFeatureAuthRelay));
        }
        if (!prompts.ConfirmWarning(QString::fromUtf8(document_transfer::kOverwriteQuestion)))
            return true;
        if constexpr (std::is_same_v<Content, TModbusConfigContent>)
            dialog.SetConfiguration(content.GetAllConfig(includeAuth));
        else
            dialog.SetConfiguration(content.GetAllConfig());
    } catch (const QProtError& error) {  // a firmware text or a row that does not convert
        prompts.Error(QString::fromStdString(error.what()));
        return true;
    }
    dialog.SetDirection(true);
    dialog.SetDevice(device);
    dialog.exec();
    return true;
}

// GetFromKavro of a configuration document just created: the transfer dialog in its get
// direction, shown modally; afterwards, whatever the outcome, the document takes the record the
// run left and is unsaved.
template <class Content>
bool GetFromKavro(Content& content, const TDeviceData& device, TfrmTransferConfig& dialog)
{
    dialog.SetDirection(false);
    dialog.SetDevice(device);
    dialog.exec();
    using Record = std::decay_t<decltype(content.GetAllConfig())>;
    if (const auto* record = std::get_if<Record>(&dialog.Configuration()))
        content.SetAllConfig(*record);
    content.SetSaved(false);
    return true;
}

}  // namespace qvs
