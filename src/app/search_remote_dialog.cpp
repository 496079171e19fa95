#include "search_remote_dialog.h"

#include "app_texts.h"
#include "prompts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace qvs::app {

TfrmSearchRemote::TfrmSearchRemote(IPrompts& prompts, QWidget* parent) : QDialog(parent), m_prompts(prompts)
{
    setObjectName("frmSearchRemote");
    setWindowTitle(texts::kRemoteCaption);
    auto* group = new QGroupBox(texts::kRemoteGroup, this);
    auto* text = new QLabel(texts::kRemoteText, group);
    text->setObjectName("lblText");
    text->setWordWrap(true);
    auto* label = new QLabel(texts::kRemoteLabel, group);
    m_remote = new QLineEdit(group);
    m_remote->setObjectName("txtRemoteIP");
    label->setBuddy(m_remote);
    auto* field = new QHBoxLayout;
    field->addWidget(label);
    field->addWidget(m_remote, 1);
    auto* inner = new QVBoxLayout(group);
    inner->addWidget(text);
    inner->addLayout(field);
    m_ok = new QPushButton(texts::kOk, this);
    m_ok->setObjectName("btnOk");
    m_ok->setDefault(true);
    m_cancel = new QPushButton(texts::kCancel, this);
    m_cancel->setObjectName("btnCancel");
    connect(m_ok, &QPushButton::clicked, this, &TfrmSearchRemote::btnOkClick);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    setFixedWidth(400);
}

void TfrmSearchRemote::showEvent(QShowEvent* event)
{
    m_remote->clear();
    m_remote->setFocus();
    SetControlsEnabled(true);
    QDialog::showEvent(event);
}

void TfrmSearchRemote::SetControlsEnabled(bool enabled)
{
    m_remote->setEnabled(enabled);
    m_ok->setEnabled(enabled);
    m_cancel->setEnabled(enabled);
}

void TfrmSearchRemote::btnOkClick()
{
    const QString typed = m_remote->text();
    if (typed.isEmpty()) {
        m_prompts.Error(texts::kRemoteEmpty);
        return;
    }
    if (!m_search)
        return;
    SetControlsEnabled(false);
    QPointer<TfrmSearchRemote> self(this);
    m_search(typed, [self](std::optional<TDeviceData> found) {
        if (!self)
            return;
        self->SetControlsEnabled(true);
        if (found) {
            self->m_result = *found;
            self->accept();
        } else {
            self->reject();
        }
    });
}

}  // namespace qvs::app
