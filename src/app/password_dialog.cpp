#include "password_dialog.h"

#include "app_texts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qvs::app {

TfrmPassword::TfrmPassword(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmPassword");
    setWindowTitle(texts::kPasswordCaption);
    auto* group = new QGroupBox(texts::kPasswordGroup, this);
    auto* text = new QLabel(texts::kPasswordText, group);
    text->setObjectName("lblText");
    text->setWordWrap(true);
    auto* label = new QLabel(texts::kPasswordLabel, group);
    m_password = new QLineEdit(group);
    m_password->setObjectName("txtPassword");
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet("lineedit-password-character: 42");
    m_password->setMaxLength(20);
    label->setBuddy(m_password);
    auto* field = new QHBoxLayout;
    field->addWidget(label);
    field->addWidget(m_password, 1);
    auto* inner = new QVBoxLayout(group);
    inner->addWidget(text);
    inner->addLayout(field);

    auto* ok = new QPushButton(texts::kOk, this);
    ok->setObjectName("btnOk");
    ok->setDefault(true);
    auto* cancel = new QPushButton(texts::kCancel, this);
    cancel->setObjectName("btnCancel");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    setFixedWidth(380);
}

QString TfrmPassword::Password() const
{
    return m_password->text();
}

void TfrmPassword::showEvent(QShowEvent* event)
{
    m_password->clear();
    m_password->setFocus();
    QDialog::showEvent(event);
}

}  // namespace qvs::app
