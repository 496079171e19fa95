#pragma once

#include "prompts.h"

#include <QDialog>
#include <QStringList>

#include <deque>
#include <functional>

namespace qvs::app::testing {

// Follows a script of expected prompts, records every text shown and fails the test on a prompt
// nobody expected.
class ScriptedPrompts : public IPrompts {
public:
    using DialogScript = std::function<int(QDialog&)>;

    ~ScriptedPrompts() override;

    // The next message box: its kind, exact text and the answer to give.
    void ExpectMessage(PromptKind kind, const QString& text, PromptAnswer answer = PromptAnswer::Ok);
    // The next file dialog: the path to answer (empty = cancelled).
    void ExpectFile(const QString& path);
    // The next modal dialog of ours, found by objectName; the script drives it and returns its result.
    void ExpectDialog(const QString& objectName, DialogScript script);

    PromptAnswer Show(PromptKind kind, const QString& text, PromptButtons buttons) override;
    QString OpenFileName(const QString& filter) override;
    QString SaveFileName(const QString& filter, const QString& defaultSuffix, const QString& initialPath) override;
    int RunDialog(QDialog& dialog) override;

    const QStringList& Shown() const { return m_shown; }
    bool Done() const { return m_script.empty(); }
    // Fails the test for every expectation left over.
    void VerifyDone();

private:
    struct Step {
        enum class Type { Message, File, Dialog } StepType;
        PromptKind Kind = PromptKind::Error;
        QString Text;
        PromptAnswer Answer = PromptAnswer::Ok;
        DialogScript Script;
    };
    std::deque<Step> m_script;
    QStringList m_shown;
};

// Presses a button of a dialog by its objectName.
void Click(QWidget& parent, const QString& buttonName);
// Runs the event loop until the condition holds or the time is up; true when it holds.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 10000);

}  // namespace qvs::app::testing
