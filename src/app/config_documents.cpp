#include "config_documents.h"

#include "document_registry.h"
#include "email_dialog.h"
#include "input_integer_dialog.h"
#include "internal_tags_dialog.h"
#include "kvr_file.h"
#include "main_window.h"
#include "modbus_config_window.h"
#include "modbus_tags_dialog.h"
#include "prompts.h"
#include "transfer_dialog.h"

namespace qvs::app {

namespace {

// The transfer dialog runs on `device` in one direction, modally, through the prompts.
void RunTransfer(IPrompts& prompts, TfrmTransferConfig& dialog, const TDeviceData& device, bool send)
{
    dialog.SetDirection(send);
    dialog.SetDevice(device);
    prompts.RunDialog(dialog);
}

}  // namespace

void RegisterModbusDocuments(DocumentRegistry& documents, IPrompts& prompts, TMainForm& frame)
{
    // In the order the application creates its dialogs.
    auto* internalTags = new TfrmInternalTags(&frame);
    auto* tagEditor = new TfrmModbusTags(prompts, *internalTags, &frame);
    auto* email = new TfrmEmail(prompts, &frame);
    auto* inputInteger = new TfrmInputInteger(prompts, &frame);
    auto* transfer = new TfrmTransferConfig(
        ConfigFlavour::Modbus, frame.TransferExchange(), [&prompts](const QString& text) { prompts.Error(text); },
        &frame);
    for (QDialog* dialog : {static_cast<QDialog*>(internalTags), static_cast<QDialog*>(tagEditor),
                            static_cast<QDialog*>(email), static_cast<QDialog*>(inputInteger),
                            static_cast<QDialog*>(transfer)})
        dialog->setWindowModality(Qt::ApplicationModal);

    TModbusDocumentTools tools{*tagEditor, *inputInteger, *email, {}, {}, {}};
    tools.UnsupportedFeature = [&frame](const QString& feature) { frame.ShowNoFeature(feature); };
    tools.SendTransfer = [&prompts, transfer](const TDeviceData& device, const TModbusKavroConfig& config) {
        transfer->SetConfiguration(config);
        RunTransfer(prompts, *transfer, device, true);
    };
    tools.GetTransfer = [&prompts, transfer](const TDeviceData& device) {
        RunTransfer(prompts, *transfer, device, false);
        return std::get<TModbusKavroConfig>(transfer->Configuration());
    };
    documents.RegisterWindow(DocumentKind::ModbusConfig,
                             [tools](IPrompts& documentPrompts) -> TMDIChild* {
                                 return new TMDIModbusConfig(documentPrompts, tools);
                             });
    documents.RegisterRecogniser(DocumentKind::ModbusConfig,
                                 [](const QString& path) { return IsModbusFile(path.toStdString()); });
}

}  // namespace qvs::app
