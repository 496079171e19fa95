#pragma once

#include <QWidget>

class QLabel;

namespace qvs::app {

// A small stay-on-top window without window buttons showing one line while an exchange or a
// UDP wait runs. Shown application-modal, so the user cannot start a second exchange meanwhile;
// the event loop keeps running, so everything stays painted.
class TInfoMessage : public QWidget {
    Q_OBJECT
public:
    explicit TInfoMessage(QWidget* parent = nullptr);
    void ShowText(const QString& text);
    QString Text() const;

private:
    QLabel* m_text;
};

}  // namespace qvs::app
