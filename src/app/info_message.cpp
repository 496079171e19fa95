#include "info_message.h"

#include "app_texts.h"

#include <QLabel>
#include <QVBoxLayout>

namespace qvs::app {

TInfoMessage::TInfoMessage(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("InfoMessage");
    setWindowTitle(texts::kInformationCaption);
    setWindowModality(Qt::ApplicationModal);
    m_text = new QLabel(this);
    m_text->setObjectName("lblMessage");
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setMinimumWidth(320);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(m_text);
}

void TInfoMessage::ShowText(const QString& text)
{
    m_text->setText(text);
    adjustSize();
    if (parentWidget()) {
        const QRect frame = parentWidget()->window()->geometry();
        move(frame.center() - rect().center());
    }
    show();
    raise();
}

QString TInfoMessage::Text() const
{
    return m_text->text();
}

}  // namespace qvs::app
