#include "version_dialog.h"

#include "app_texts.h"
#include "notice_layout.h"

#include <QLabel>

namespace qvs::app {

TfrmVersion::TfrmVersion(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmVersion");
    setWindowTitle(texts::kVersionCaption);
    m_message = new QLabel(this);
    m_message->setObjectName("lblMessage");
    m_message->setWordWrap(true);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_version = new QLabel(this);
    m_version->setObjectName("lblVersion");
    LayOutNotice(*this, QStyle::SP_MessageBoxWarning, {m_message, m_version});
}

void TfrmVersion::SetMessage(const QString& message, const QString& versionLine)
{
    m_message->setText(message);
    m_version->setText(versionLine);
}

}  // namespace qvs::app
