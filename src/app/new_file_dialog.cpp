#include "new_file_dialog.h"

#include "app_texts.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qvs::app {

TfrmNewFile::TfrmNewFile(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmNewFile");
    setWindowTitle(texts::kNewFileCaption);
    m_list = new QListWidget(this);
    m_list->setObjectName("lstFileTypes");
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* ok = new QPushButton(texts::kOk, this);
    ok->setObjectName("btnOk");
    ok->setDefault(true);
    auto* cancel = new QPushButton(texts::kCancel, this);
    cancel->setObjectName("btnCancel");
    connect(ok, &QPushButton::clicked, this, [this] {
        if (Chosen())
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    resize(340, 220);
}

void TfrmNewFile::SetKinds(const std::vector<std::pair<DocumentKind, QString>>& kinds)
{
    m_list->clear();
    m_kinds.clear();
    for (const auto& [kind, caption] : kinds) {
        m_kinds.push_back(kind);
        m_list->addItem(caption);
    }
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
}

std::optional<DocumentKind> TfrmNewFile::Chosen() const
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= static_cast<int>(m_kinds.size()))
        return std::nullopt;
    return m_kinds[row];
}

void TfrmNewFile::showEvent(QShowEvent* event)
{
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    m_list->setFocus();
    QDialog::showEvent(event);
}

}  // namespace qvs::app
