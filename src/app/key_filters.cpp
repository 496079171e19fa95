#include "key_filters.h"

#include "number_text.h"

#include <QKeyEvent>
#include <QWidget>

namespace qvs::app {

TypedKeyFilter::TypedKeyFilter(QString allowed, QObject* parent)
    : QObject(parent), m_allowed(std::move(allowed))
{
}

TypedKeyFilter* TypedKeyFilter::Digits(QObject* parent)
{
    return new TypedKeyFilter(QStringLiteral("0123456789"), parent);
}

TypedKeyFilter* TypedKeyFilter::Number(QObject* parent)
{
    return new TypedKeyFilter(QStringLiteral("0123456789,-.") + QChar(SystemDecimalSeparator()), parent);
}

void TypedKeyFilter::Attach(QWidget* field) { field->installEventFilter(this); }

bool TypedKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        const bool types = !text.isEmpty() && text.at(0).isPrint() &&
                           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (types && key->key() != Qt::Key_Backspace) {
            for (QChar c : text)
                if (!m_allowed.contains(c)) return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace qvs::app
