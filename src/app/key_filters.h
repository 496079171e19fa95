#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace qvs::app {

// Drops typed characters that a field does not take; keys that type nothing (arrows, Delete,
// shortcuts) pass. One filter object serves any number of fields.
class TypedKeyFilter : public QObject {
public:
    // `allowed` lists the characters the field takes; backspace always passes.
    TypedKeyFilter(QString allowed, QObject* parent);

    // Digits 0 to 9 only.
    static TypedKeyFilter* Digits(QObject* parent);
    // Digits, ",", "-", "." and the user's decimal separator.
    static TypedKeyFilter* Number(QObject* parent);

    void Attach(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_allowed;
};

}  // namespace qvs::app
