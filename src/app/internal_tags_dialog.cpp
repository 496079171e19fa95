#include "internal_tags_dialog.h"

#include "internal_tags.h"
#include "tag_editor_texts.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qvs::app {

TfrmInternalTags::TfrmInternalTags(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmInternalTags"));
    setWindowTitle(QString::fromUtf8(texts::kSelectInternalTag));

    auto* listGroup = new QGroupBox(QString::fromUtf8(texts::kAvailableInternalTags), this);
    m_list = new QTreeWidget(listGroup);
    m_list->setObjectName(QStringLiteral("lstInternalTags"));
    m_list->setHeaderLabels({QString::fromUtf8(texts::kInternalTagName),
                             QString::fromUtf8(texts::kInternalTagType)});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->header()->setStretchLastSection(true);
    m_list->setColumnWidth(0, 160);
    for (const TInternalTag& tag : InternalTags()) {
        auto* item = new QTreeWidgetItem(m_list, {QString::fromUtf8(tag.Name), QString::fromUtf8(tag.Type)});
        item->setData(0, Qt::UserRole, QString::fromUtf8(tag.Description));
    }
    auto* listLayout = new QVBoxLayout(listGroup);
    listLayout->addWidget(m_list);

    auto* descriptionGroup = new QGroupBox(QString::fromUtf8(texts::kDescription), this);
    m_description = new QLabel(descriptionGroup);
    m_description->setObjectName(QStringLiteral("lblDescription"));
    m_description->setWordWrap(true);
    m_description->setMinimumHeight(48);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* descriptionLayout = new QVBoxLayout(descriptionGroup);
    descriptionLayout->addWidget(m_description);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QDialogButtonBox::Ok);
    m_ok->setObjectName(QStringLiteral("btnOk"));
    m_ok->setEnabled(false);
    auto* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(m_ok, &QPushButton::clicked, this, &TfrmInternalTags::OkClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listGroup);
    layout->addWidget(descriptionGroup);
    layout->addWidget(buttons);
    resize(380, 320);

    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &TfrmInternalTags::SelectionChanged);
}

void TfrmInternalTags::SelectionChanged()
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    m_ok->setEnabled(!selected.isEmpty());
    m_description->setText(selected.isEmpty() ? QString()
                                              : selected.first()->data(0, Qt::UserRole).toString());
}

void TfrmInternalTags::OkClicked()
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty()) return;
    m_selectedTag = selected.first()->text(0);
    accept();
}

}  // namespace qvs::app
