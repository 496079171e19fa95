#pragma once

#include "prompts.h"

#include <QPointer>
#include <QWidget>

namespace qvs::app {

// The real message boxes and file dialogs, parented to the main window.
class QtPrompts : public IPrompts {
public:
    void SetParent(QWidget* parent) { m_parent = parent; }
    PromptAnswer Show(PromptKind kind, const QString& text, PromptButtons buttons) override;
    QString OpenFileName(const QString& filter) override;
    QString SaveFileName(const QString& filter, const QString& defaultSuffix, const QString& initialPath) override;
    int RunDialog(QDialog& dialog) override;

private:
    QPointer<QWidget> m_parent;
};

}  // namespace qvs::app
