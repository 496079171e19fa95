#include "mdi_child.h"

#include "app_texts.h"
#include "prompts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>

namespace qvs::app {

TMDIChild::TMDIChild(IPrompts& prompts, QWidget* parent) : QWidget(parent), m_prompts(prompts)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

bool TMDIChild::Save()
{
    return m_hasFile ? UpdateFile() : SaveAs();
}

bool TMDIChild::OnCloseQuery()
{
    if (m_saved)
        return true;
    const QString name = SavePromptName(m_fileName, m_hasFile);
    switch (m_prompts.Ask(QString(texts::kSaveChanged).replace("%s", name), PromptButtons::YesNoCancel)) {
    case PromptAnswer::Yes: return Save();
    case PromptAnswer::No: return true;
    default: return false;
    }
}

void TMDIChild::SetFileName(const QString& fileName)
{
    m_fileName = fileName;
    emit StateChanged();
}

void TMDIChild::SetSaved(bool saved)
{
    m_saved = saved;
    setWindowTitle(MarkCaption(windowTitle(), saved));
    emit StateChanged();
}

void TMDIChild::SetHasFile(bool hasFile)
{
    m_hasFile = hasFile;
    emit StateChanged();
}

void TMDIChild::SetCaption(const QString& caption)
{
    setWindowTitle(MarkCaption(caption, m_saved));
    emit StateChanged();
}

QString TMDIChild::ApplicationFolder()
{
    return QDir(QCoreApplication::applicationDirPath()).absolutePath() + "/";
}

void TMDIChild::closeEvent(QCloseEvent* event)
{
    if (OnCloseQuery())
        event->accept();
    else
        event->ignore();
}

}  // namespace qvs::app
