#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace qvs::app {

// The internal-tag picker: lists the gateway's internal tags with their descriptions and hands the
// chosen name back to a tag editor. Keeps its selection between uses.
class TfrmInternalTags : public QDialog {
    Q_OBJECT
public:
    explicit TfrmInternalTags(QWidget* parent = nullptr);

    // The name chosen with OK.
    const QString& SelectedTag() const { return m_selectedTag; }

private:
    void SelectionChanged();
    void OkClicked();

    QTreeWidget* m_list;
    QLabel* m_description;
    QPushButton* m_ok;
    QString m_selectedTag;
};

}  // namespace qvs::app
