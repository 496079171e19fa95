#pragma once

#include "tag_lists.h"

#include <QComboBox>
#include <QLineEdit>
#include <QString>

#include <string>

// Small helpers the document windows and tag editors build their controls with.
namespace qvs::app::widgets {

inline QString Text(const char* text) { return QString::fromUtf8(text); }
inline QString Text(const std::string& text) { return QString::fromStdString(text); }
inline std::string Std(const QString& text) { return text.toStdString(); }

template <typename W>
W* Named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A drop-down list with its items, in order.
inline QComboBox* List(QWidget* parent, const char* name, TextList items)
{
    auto* list = Named(new QComboBox(parent), name);
    for (const char* item : items) list->addItem(Text(item));
    return list;
}

inline QLineEdit* Field(QWidget* parent, const char* name, int maxLength = 32767)
{
    auto* field = Named(new QLineEdit(parent), name);
    field->setMaxLength(maxLength);
    return field;
}

// Sets a field's text only when it differs, so the cursor and the edit signals stay put.
inline void SetText(QLineEdit* field, const std::string& text)
{
    const QString value = Text(text);
    if (field->text() != value) field->setText(value);
}

}  // namespace qvs::app::widgets
