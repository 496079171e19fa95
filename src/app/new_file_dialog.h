#pragma once

#include "main_window_rules.h"

#include <QDialog>

#include <optional>
#include <utility>
#include <vector>

class QListWidget;

namespace qvs::app {

// The New File dialog: the document kinds that can be created, the first selected when it opens.
class TfrmNewFile : public QDialog {
    Q_OBJECT
public:
    explicit TfrmNewFile(QWidget* parent = nullptr);
    void SetKinds(const std::vector<std::pair<DocumentKind, QString>>& kinds);
    // The chosen kind after OK or a double click.
    std::optional<DocumentKind> Chosen() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QListWidget* m_list;
    std::vector<DocumentKind> m_kinds;
};

}  // namespace qvs::app
