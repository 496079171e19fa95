#include "email_dialog.h"

#include "config_texts.h"
#include "config_window_texts.h"
#include "prompts.h"
#include "text_checks.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace qvs::app {

TfrmEmail::TfrmEmail(IPrompts& prompts, QWidget* parent) : QDialog(parent), m_prompts(prompts)
{
    setObjectName(QStringLiteral("frmEmail"));
    setWindowTitle(QString::fromUtf8(texts::email_dialog::kCaption));
    m_address = new QLineEdit(this);
    m_address->setObjectName(QStringLiteral("txtEMail"));
    m_address->setMaxLength(50);
    auto* label = new QLabel(QString::fromUtf8(texts::email_dialog::kLabel), this);
    label->setBuddy(m_address);
    auto* form = new QFormLayout;
    form->addRow(label, m_address);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(ok, &QPushButton::clicked, this, &TfrmEmail::OkClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(340, 100);
}

void TfrmEmail::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        m_address->setText(EditMode ? EMailAddress : QString());
        m_address->setFocus();
    }
    QDialog::showEvent(event);
}

void TfrmEmail::OkClicked()
{
    if (IsValidEmail(m_address->text().toStdString())) {
        EMailAddress = m_address->text();
        accept();
        return;
    }
    m_prompts.Error(QString::fromUtf8(texts::kEmailDialogInvalid));
    m_address->setFocus();
}

}  // namespace qvs::app
