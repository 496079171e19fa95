#include "no_feature_dialog.h"

#include "app_texts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace qvs::app {

TfrmNoFeature::TfrmNoFeature(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmNoFeature");
    setWindowTitle(texts::kNoFeatureCaption);
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    auto* text = new QLabel(texts::kNoFeatureText, this);
    text->setObjectName("lblText");
    text->setWordWrap(true);
    m_feature = new QLabel(this);
    m_feature->setObjectName("lblFeature");
    QFont bold = m_feature->font();
    bold.setBold(true);
    m_feature->setFont(bold);
    auto* close = new QPushButton(texts::kClose, this);
    close->setObjectName("btnClose");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* column = new QVBoxLayout;
    column->addWidget(text);
    column->addWidget(m_feature);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(column, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    setFixedWidth(420);
}

void TfrmNoFeature::SetFeature(const QString& feature)
{
    m_feature->setText(feature);
}

}  // namespace qvs::app
