#include "notice_layout.h"

#include "app_texts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qvs::app {

void LayOutNotice(QDialog& dialog, QStyle::StandardPixmap icon, std::initializer_list<QWidget*> lines)
{
    auto* picture = new QLabel(&dialog);
    picture->setPixmap(dialog.style()->standardIcon(icon).pixmap(32, 32));
    auto* close = new QPushButton(texts::kClose, &dialog);
    close->setObjectName("btnClose");
    close->setDefault(true);
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);
    auto* column = new QVBoxLayout;
    for (QWidget* line : lines)
        column->addWidget(line);
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(column, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(top);
    layout->addLayout(buttons);
    dialog.setFixedWidth(420);
}

}  // namespace qvs::app
