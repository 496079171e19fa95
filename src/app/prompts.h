#pragma once

#include <QString>

class QDialog;

namespace qvs::app {

enum class PromptKind { Error, Warning, Information, Confirmation };
enum class PromptAnswer { Ok, Yes, No, Cancel };
enum class PromptButtons { Ok, YesNo, YesNoCancel };

// Every message box and file dialog the windows show goes through here, so tests can script them.
class IPrompts {
public:
    virtual ~IPrompts() = default;
    // A message box of the given kind with the given buttons; the answer pressed.
    virtual PromptAnswer Show(PromptKind kind, const QString& text, PromptButtons buttons) = 0;
    // An open dialog; empty when cancelled. The filter is in Qt's "Name (*.ext);;..." form.
    virtual QString OpenFileName(const QString& filter) = 0;
    // A save dialog with the overwrite prompt on; empty when cancelled.
    virtual QString SaveFileName(const QString& filter, const QString& defaultSuffix, const QString& initialPath) = 0;
    // A modal dialog of our own; its result (QDialog::Accepted or Rejected).
    virtual int RunDialog(QDialog& dialog) = 0;

    void Error(const QString& text) { Show(PromptKind::Error, text, PromptButtons::Ok); }
    void Warning(const QString& text) { Show(PromptKind::Warning, text, PromptButtons::Ok); }
    void Information(const QString& text) { Show(PromptKind::Information, text, PromptButtons::Ok); }
    PromptAnswer Ask(const QString& text, PromptButtons buttons) { return Show(PromptKind::Confirmation, text, buttons); }
};

}  // namespace qvs::app
