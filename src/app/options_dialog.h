#pragma once

#include "options_rules.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace qvs::app {

class IOptionsAccess;
class IPrompts;

// The proxy options dialog. Loads every control from the settings when shown (passwords always
// empty), validates on OK and writes the settings.
class TfrmOptions : public QDialog {
    Q_OBJECT
public:
    TfrmOptions(IOptionsAccess& options, IPrompts& prompts, QWidget* parent = nullptr);

    void SetValues(const OptionsForm& form);
    OptionsForm Values() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void SetEnableHTTPProxy();
    void SetEnableFTPProxy();
    void btnOkClick();
    int SelectedMethod() const;

    IOptionsAccess& m_options;
    IPrompts& m_prompts;
    QTabWidget* m_pages;
    QCheckBox* m_httpEnabled;
    QLineEdit* m_httpServer;
    QLineEdit* m_httpPort;
    QCheckBox* m_httpAuth;
    QLineEdit* m_httpUser;
    QLineEdit* m_httpPassword;
    QCheckBox* m_ftpEnabled;
    QLineEdit* m_ftpServer;
    QLineEdit* m_ftpPort;
    QRadioButton* m_methods[4];
    QCheckBox* m_ftpFirewall;
    QLineEdit* m_ftpUser;
    QLineEdit* m_ftpPassword;
};

}  // namespace qvs::app
