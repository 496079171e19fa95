#pragma once

#include <QWidget>

class QLineEdit;

namespace qvs::app {

// The two arrow buttons beside a number field: each press moves the field's number one step
// within the range. A field that holds no number starts from the nearer end of the range.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QLineEdit* field, int lowest, int highest, QWidget* parent);

    int Lowest() const { return m_lowest; }
    int Highest() const { return m_highest; }
    void Step(int delta);

private:
    QLineEdit* m_field;
    int m_lowest;
    int m_highest;
};

}  // namespace qvs::app
