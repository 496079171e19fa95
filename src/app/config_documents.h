#pragma once

namespace qvs::app {

class DocumentRegistry;
class IPrompts;
class TMainForm;

// Creates the long-lived dialogs of the Modbus configuration documents (tag editor, internal-tag
// picker, e-mail address, integer input, configuration transfer), owned by the main window, and
// registers the Modbus document window with its file recogniser.
void RegisterModbusDocuments(DocumentRegistry& documents, IPrompts& prompts, TMainForm& frame);

}  // namespace qvs::app
