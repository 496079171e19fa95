#pragma once

class QWidget;

namespace qvs::app {

class DocumentRegistry;
class IPrompts;

// Creates the long-lived dialogs of the Modbus configuration documents (tag editor, internal-tag
// picker, e-mail address, integer input), owned by `parent`, and registers the Modbus document
// window with its file recogniser.
void RegisterModbusDocuments(DocumentRegistry& documents, IPrompts& prompts, QWidget* parent);

}  // namespace qvs::app
