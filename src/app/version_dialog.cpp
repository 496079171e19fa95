#include "version_dialog.h"

#include "app_texts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace qvs::app {

TfrmVersion::TfrmVersion(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmVersion");
    setWindowTitle(texts::kVersionCaption);
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    m_message = new QLabel(this);
    m_message->setObjectName("lblMessage");
    m_message->setWordWrap(true);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_version = new QLabel(this);
    m_version->setObjectName("lblVersion");
    auto* close = new QPushButton(texts::kClose, this);
    close->setObjectName("btnClose");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* text = new QVBoxLayout;
    text->addWidget(m_message);
    text->addWidget(m_version);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    setFixedWidth(420);
}

void TfrmVersion::SetMessage(const QString& message, const QString& versionLine)
{
    m_message->setText(message);
    m_version->setText(versionLine);
}

}  // namespace qvs::app
