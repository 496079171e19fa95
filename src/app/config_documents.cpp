#include "config_documents.h"

#include "document_registry.h"
#include "email_dialog.h"
#include "input_integer_dialog.h"
#include "internal_tags_dialog.h"
#include "kvr_file.h"
#include "modbus_config_window.h"
#include "modbus_tags_dialog.h"

namespace qvs::app {

void RegisterModbusDocuments(DocumentRegistry& documents, IPrompts& prompts, QWidget* parent)
{
    // In the order the application creates its dialogs.
    auto* internalTags = new TfrmInternalTags(parent);
    auto* tagEditor = new TfrmModbusTags(prompts, *internalTags, parent);
    auto* email = new TfrmEmail(prompts, parent);
    auto* inputInteger = new TfrmInputInteger(prompts, parent);
    for (QWidget* dialog : {static_cast<QWidget*>(internalTags), static_cast<QWidget*>(tagEditor),
                            static_cast<QWidget*>(email), static_cast<QWidget*>(inputInteger)})
        dialog->setWindowModality(Qt::ApplicationModal);

    documents.RegisterWindow(DocumentKind::ModbusConfig, [=](IPrompts& documentPrompts) -> TMDIChild* {
        return new TMDIModbusConfig(documentPrompts, TModbusDocumentTools{*tagEditor, *inputInteger, *email, {}, {}, {}});
    });
    documents.RegisterRecogniser(DocumentKind::ModbusConfig,
                                 [](const QString& path) { return IsModbusFile(path.toStdString()); });
}

}  // namespace qvs::app
