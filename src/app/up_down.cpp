#include "up_down.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace qvs::app {

UpDown::UpDown(QLineEdit* field, int lowest, int highest, QWidget* parent)
    : QWidget(parent), m_field(field), m_lowest(lowest), m_highest(highest)
{
    auto* up = new QToolButton(this);
    up->setObjectName(QStringLiteral("btnStepUp"));
    up->setArrowType(Qt::UpArrow);
    up->setAutoRepeat(true);
    auto* down = new QToolButton(this);
    down->setObjectName(QStringLiteral("btnStepDown"));
    down->setArrowType(Qt::DownArrow);
    down->setAutoRepeat(true);
    for (QToolButton* button : {up, down}) button->setFixedSize(16, 11);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up);
    layout->addWidget(down);
    connect(up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down, &QToolButton::clicked, this, [this] { Step(-1); });
}

void UpDown::Step(int delta)
{
    bool ok = false;
    const int current = m_field->text().toInt(&ok);
    const int next = ok ? std::clamp(current + delta, m_lowest, m_highest)
                        : (delta > 0 ? m_lowest : m_highest);
    m_field->setText(QString::number(next));
}

}  // namespace qvs::app
