#include "no_feature_dialog.h"

#include "app_texts.h"
#include "notice_layout.h"

#include <QLabel>

namespace qvs::app {

TfrmNoFeature::TfrmNoFeature(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmNoFeature");
    setWindowTitle(texts::kNoFeatureCaption);
    auto* text = new QLabel(texts::kNoFeatureText, this);
    text->setObjectName("lblText");
    text->setWordWrap(true);
    m_feature = new QLabel(this);
    m_feature->setObjectName("lblFeature");
    QFont bold = m_feature->font();
    bold.setBold(true);
    m_feature->setFont(bold);
    LayOutNotice(*this, QStyle::SP_MessageBoxInformation, {text, m_feature});
}

void TfrmNoFeature::SetFeature(const QString& feature)
{
    m_feature->setText(feature);
}

}  // namespace qvs::app
