#include "input_integer_dialog.h"

#include "key_filters.h"
#include "number_text.h"
#include "prompts.h"
#include "qprot_errors.h"
#include "tag_editor_texts.h"
#include "text_format.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace qvs::app {

TfrmInputInteger::TfrmInputInteger(IPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_prompts(prompts)
{
    setObjectName(QStringLiteral("frmInputInteger"));
    m_group = new QGroupBox(QString::fromUtf8(texts::kEnterValue), this);
    m_value = new QLineEdit(m_group);
    m_value->setObjectName(QStringLiteral("txtValue"));
    m_value->setMaxLength(8);
    TypedKeyFilter::Digits(this)->Attach(m_value);
    m_label = new QLabel(m_group);
    m_label->setObjectName(QStringLiteral("lblValue"));
    m_label->setBuddy(m_value);
    auto* form = new QFormLayout(m_group);
    form->addRow(m_label, m_value);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(ok, &QPushButton::clicked, this, &TfrmInputInteger::OkClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_group);
    layout->addWidget(buttons);
    resize(260, 120);
}

void TfrmInputInteger::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        setWindowTitle(Title);
        m_label->setText(Title);
        m_value->setText(QString::number(Value));
        m_value->setFocus();
    }
    QDialog::showEvent(event);
}

void TfrmInputInteger::OkClicked()
{
    try {
        const int32_t value = ParseInteger(m_value->text().toStdString());
        if (value >= MinValue && value <= MaxValue) {
            Value = value;
            accept();
            return;
        }
    } catch (const ConversionError&) {
    }
    m_prompts.Error(QString::fromStdString(FormatText(
        texts::kNotAValidValue, {std::to_string(MinValue), std::to_string(MaxValue)})));
}

}  // namespace qvs::app
