#include "qt_prompts.h"

#include "app_texts.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace qvs::app {

PromptAnswer QtPrompts::Show(PromptKind kind, const QString& text, PromptButtons buttons)
{
    QMessageBox::Icon icon = QMessageBox::Information;
    switch (kind) {
    case PromptKind::Error: icon = QMessageBox::Critical; break;
    case PromptKind::Warning: icon = QMessageBox::Warning; break;
    case PromptKind::Information: icon = QMessageBox::Information; break;
    case PromptKind::Confirmation: icon = QMessageBox::Question; break;
    }
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    if (buttons == PromptButtons::YesNo)
        standard = QMessageBox::Yes | QMessageBox::No;
    else if (buttons == PromptButtons::YesNoCancel)
        standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QString shown = text;
    shown.replace("\r\n", "\n");
    QMessageBox box(icon, texts::kApplicationTitle, shown, standard, m_parent);
    switch (box.exec()) {
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    case QMessageBox::Cancel: return PromptAnswer::Cancel;
    case QMessageBox::Ok: return PromptAnswer::Ok;
    default: return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
    }
}

QString QtPrompts::OpenFileName(const QString& filter)
{
    return QFileDialog::getOpenFileName(m_parent, QString(), QString(), filter);
}

QString QtPrompts::SaveFileName(const QString& filter, const QString& defaultSuffix, const QString& initialPath)
{
    QFileDialog dialog(m_parent, QString(), initialPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

int QtPrompts::RunDialog(QDialog& dialog)
{
    return dialog.exec();
}

}  // namespace qvs::app
