#include "scripted_prompts.h"

#include <QAbstractButton>
#include <QDeadlineTimer>
#include <QTest>

#include <gtest/gtest.h>

namespace qvs::app::testing {

namespace {

const char* KindName(PromptKind kind)
{
    switch (kind) {
    case PromptKind::Error: return "error";
    case PromptKind::Warning: return "warning";
    case PromptKind::Information: return "information";
    case PromptKind::Confirmation: return "confirmation";
    }
    return "?";
}

}  // namespace

ScriptedPrompts::~ScriptedPrompts() = default;

void ScriptedPrompts::ExpectMessage(PromptKind kind, const QString& text, PromptAnswer answer)
{
    m_script.push_back({Step::Type::Message, kind, text, answer, {}});
}

void ScriptedPrompts::ExpectFile(const QString& path)
{
    m_script.push_back({Step::Type::File, PromptKind::Error, path, PromptAnswer::Ok, {}});
}

void ScriptedPrompts::ExpectDialog(const QString& objectName, DialogScript script)
{
    m_script.push_back({Step::Type::Dialog, PromptKind::Error, objectName, PromptAnswer::Ok, std::move(script)});
}

PromptAnswer ScriptedPrompts::Show(PromptKind kind, const QString& text, PromptButtons buttons)
{
    m_shown.append(text);
    if (m_script.empty() || m_script.front().StepType != Step::Type::Message) {
        ADD_FAILURE() << "unexpected " << KindName(kind) << " message: " << text.toStdString();
        return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
    }
    const Step step = m_script.front();
    m_script.pop_front();
    EXPECT_EQ(step.Text.toStdString(), text.toStdString());
    EXPECT_STREQ(KindName(step.Kind), KindName(kind)) << text.toStdString();
    return step.Answer;
}

QString ScriptedPrompts::OpenFileName(const QString&)
{
    return SaveFileName({}, {}, {});
}

QString ScriptedPrompts::SaveFileName(const QString&, const QString&, const QString&)
{
    if (m_script.empty() || m_script.front().StepType != Step::Type::File) {
        ADD_FAILURE() << "unexpected file dialog";
        return {};
    }
    const QString path = m_script.front().Text;
    m_script.pop_front();
    return path;
}

int ScriptedPrompts::RunDialog(QDialog& dialog)
{
    m_shown.append(dialog.objectName());
    if (m_script.empty() || m_script.front().StepType != Step::Type::Dialog ||
        m_script.front().Text != dialog.objectName()) {
        ADD_FAILURE() << "unexpected dialog " << dialog.objectName().toStdString();
        return QDialog::Rejected;
    }
    const Step step = m_script.front();
    m_script.pop_front();
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    const int result = step.Script(dialog);
    dialog.hide();
    return result;
}

void ScriptedPrompts::VerifyDone()
{
    for (const Step& step : m_script)
        ADD_FAILURE() << "expected prompt never came: " << step.Text.toStdString();
    m_script.clear();
}

void Click(QWidget& parent, const QString& buttonName)
{
    auto* button = parent.findChild<QAbstractButton*>(buttonName);
    ASSERT_NE(button, nullptr) << buttonName.toStdString();
    button->click();
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(5);
    }
    return true;
}

}  // namespace qvs::app::testing
