#include "options_dialog.h"

#include "app_texts.h"
#include "options_access.h"
#include "prompts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <stdexcept>

namespace qvs::app {

namespace {

QLineEdit* Edit(QWidget* parent, const char* name, bool password = false)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (password) {
        edit->setEchoMode(QLineEdit::Password);
        edit->setStyleSheet("lineedit-password-character: 42");
    }
    return edit;
}

QCheckBox* Check(QWidget* parent, const char* name, const char* caption)
{
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(name);
    return check;
}

}  // namespace

TfrmOptions::TfrmOptions(IOptionsAccess& options, IPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_options(options), m_prompts(prompts)
{
    setObjectName("frmOptions");
    setWindowTitle(texts::kOptionsCaption);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName("pgOptions");

    auto* httpPage = new QWidget;
    httpPage->setObjectName("tabHTTP");
    auto* httpGroup = new QGroupBox(texts::kHTTPProxy, httpPage);
    m_httpEnabled = Check(httpGroup, "chkHTTPProxy", texts::kUseProxy);
    m_httpServer = Edit(httpGroup, "txtHTTPServer");
    m_httpPort = Edit(httpGroup, "txtHTTPPort");
    m_httpPort->setMaxLength(5);
    m_httpAuth = Check(httpGroup, "chkHTTPAuth", texts::kUseBasicAuth);
    m_httpUser = Edit(httpGroup, "txtHTTPUser");
    m_httpPassword = Edit(httpGroup, "txtHTTPPassword", true);
    auto* httpForm = new QFormLayout(httpGroup);
    httpForm->addRow(m_httpEnabled);
    httpForm->addRow(texts::kProxyServer, m_httpServer);
    httpForm->addRow(texts::kPort, m_httpPort);
    httpForm->addRow(m_httpAuth);
    httpForm->addRow(texts::kUsername, m_httpUser);
    httpForm->addRow(texts::kPassword, m_httpPassword);
    auto* httpLayout = new QVBoxLayout(httpPage);
    httpLayout->addWidget(httpGroup);
    httpLayout->addStretch();
    m_pages->addTab(httpPage, texts::kHTTPProxy);

    auto* ftpPage = new QWidget;
    ftpPage->setObjectName("tabFTP");
    auto* ftpGroup = new QGroupBox(texts::kFTPProxy, ftpPage);
    m_ftpEnabled = Check(ftpGroup, "chkFTPProxy", texts::kUseProxy);
    m_ftpServer = Edit(ftpGroup, "txtFTPServer");
    m_ftpPort = Edit(ftpGroup, "txtFTPPort");
    m_ftpPort->setMaxLength(5);
    const char* methodCaptions[4] = {texts::kMethod1, texts::kMethod2, texts::kMethod3, texts::kMethod4};
    auto* methodGroup = new QButtonGroup(this);
    methodGroup->setExclusive(true);
    for (int i = 0; i < 4; ++i) {
        m_methods[i] = new QRadioButton(methodCaptions[i], ftpGroup);
        m_methods[i]->setObjectName(QString("rdoFTPMethod%1").arg(i + 1));
        methodGroup->addButton(m_methods[i], i + 1);
    }
    m_ftpFirewall = Check(ftpGroup, "chkFTPFirewall", texts::kFirewallLogon);
    m_ftpUser = Edit(ftpGroup, "txtFTPUser");
    m_ftpPassword = Edit(ftpGroup, "txtFTPPassword", true);
    auto* ftpForm = new QFormLayout(ftpGroup);
    ftpForm->addRow(m_ftpEnabled);
    ftpForm->addRow(texts::kProxyServer, m_ftpServer);
    ftpForm->addRow(texts::kPort, m_ftpPort);
    for (auto* method : m_methods)
        ftpForm->addRow(method);
    ftpForm->addRow(m_ftpFirewall);
    ftpForm->addRow(texts::kUsername, m_ftpUser);
    ftpForm->addRow(texts::kPassword, m_ftpPassword);
    auto* ftpLayout = new QVBoxLayout(ftpPage);
    ftpLayout->addWidget(ftpGroup);
    ftpLayout->addStretch();
    m_pages->addTab(ftpPage, texts::kFTPProxy);

    auto* ok = new QPushButton(texts::kOk, this);
    ok->setObjectName("btnOk");
    ok->setDefault(true);
    auto* cancel = new QPushButton(texts::kCancel, this);
    cancel->setObjectName("btnCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);

    connect(m_httpEnabled, &QCheckBox::clicked, this, &TfrmOptions::SetEnableHTTPProxy);
    connect(m_httpAuth, &QCheckBox::clicked, this, &TfrmOptions::SetEnableHTTPProxy);
    connect(m_ftpEnabled, &QCheckBox::clicked, this, &TfrmOptions::SetEnableFTPProxy);
    connect(m_ftpFirewall, &QCheckBox::clicked, this, &TfrmOptions::SetEnableFTPProxy);
    for (auto* method : m_methods)
        connect(method, &QRadioButton::clicked, this, &TfrmOptions::SetEnableFTPProxy);
    connect(ok, &QPushButton::clicked, this, &TfrmOptions::btnOkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(460, 420);
}

void TfrmOptions::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TfrmOptions::FormShow()
{
    const StoredOptions stored = m_options.Read();
    OptionsForm form;
    form.HTTPEnabled = stored.HTTPEnabled;
    form.HTTPServer = QString::fromStdString(stored.HTTPServer);
    form.HTTPPort = QString::number(stored.HTTPPort);
    form.HTTPAuth = stored.HTTPAuth;
    form.HTTPUser = QString::fromStdString(stored.HTTPUser);
    form.FTPEnabled = stored.FTPEnabled;
    form.FTPServer = QString::fromStdString(stored.FTPServer);
    form.FTPPort = QString::number(stored.FTPPort);
    form.FTPMethod = stored.FTPMethod >= 1 && stored.FTPMethod <= 4 ? stored.FTPMethod : 0;
    form.FTPFirewall = stored.FTPAuth;
    form.FTPUser = QString::fromStdString(stored.FTPUser);
    SetValues(form);  // passwords stay empty: a stored password is never shown
    m_pages->setCurrentIndex(0);
    m_httpEnabled->setFocus();
    SetEnableHTTPProxy();
    SetEnableFTPProxy();
}

void TfrmOptions::SetValues(const OptionsForm& f)
{
    m_httpEnabled->setChecked(f.HTTPEnabled);
    m_httpServer->setText(f.HTTPServer);
    m_httpPort->setText(f.HTTPPort);
    m_httpAuth->setChecked(f.HTTPAuth);
    m_httpUser->setText(f.HTTPUser);
    m_httpPassword->setText(f.HTTPPassword);
    m_ftpEnabled->setChecked(f.FTPEnabled);
    m_ftpServer->setText(f.FTPServer);
    m_ftpPort->setText(f.FTPPort);
    // Exclusive groups cannot be emptied by unchecking one button.
    auto* group = m_methods[0]->group();
    group->setExclusive(false);
    for (int i = 0; i < 4; ++i)
        m_methods[i]->setChecked(f.FTPMethod == i + 1);
    group->setExclusive(true);
    m_ftpFirewall->setChecked(f.FTPFirewall);
    m_ftpUser->setText(f.FTPUser);
    m_ftpPassword->setText(f.FTPPassword);
}

OptionsForm TfrmOptions::Values() const
{
    OptionsForm f;
    f.HTTPEnabled = m_httpEnabled->isChecked();
    f.HTTPServer = m_httpServer->text();
    f.HTTPPort = m_httpPort->text();
    f.HTTPAuth = m_httpAuth->isChecked();
    f.HTTPUser = m_httpUser->text();
    f.HTTPPassword = m_httpPassword->text();
    f.FTPEnabled = m_ftpEnabled->isChecked();
    f.FTPServer = m_ftpServer->text();
    f.FTPPort = m_ftpPort->text();
    f.FTPMethod = SelectedMethod();
    f.FTPFirewall = m_ftpFirewall->isChecked();
    f.FTPUser = m_ftpUser->text();
    f.FTPPassword = m_ftpPassword->text();
    return f;
}

int TfrmOptions::SelectedMethod() const
{
    for (int i = 0; i < 4; ++i)
        if (m_methods[i]->isChecked())
            return i + 1;
    return 0;
}

void TfrmOptions::SetEnableHTTPProxy()
{
    const auto state = HTTPProxyEnableRule(m_httpEnabled->isChecked(), m_httpAuth->isChecked());
    m_httpServer->setEnabled(state.Server);
    m_httpPort->setEnabled(state.Port);
    m_httpAuth->setEnabled(state.Auth);
    m_httpUser->setEnabled(state.User);
    m_httpPassword->setEnabled(state.Password);
}

void TfrmOptions::SetEnableFTPProxy()
{
    const auto state = FTPProxyEnableRule(m_ftpEnabled->isChecked(), SelectedMethod(), m_ftpFirewall->isChecked());
    m_ftpServer->setEnabled(state.Server);
    m_ftpPort->setEnabled(state.Port);
    for (auto* method : m_methods)
        method->setEnabled(state.Methods);
    m_ftpFirewall->setChecked(state.FirewallChecked);
    m_ftpFirewall->setEnabled(state.Firewall);
    m_ftpUser->setEnabled(state.User);
    m_ftpPassword->setEnabled(state.Password);
}

void TfrmOptions::btnOkClick()
{
    const OptionsForm f = Values();
    if (const auto problem = ValidateOptions(f)) {
        m_prompts.Error(problem->Message);
        if (auto* field = findChild<QWidget*>(problem->Field)) {
            m_pages->setCurrentWidget(field->parentWidget()->parentWidget());
            field->setFocus();
        }
        return;
    }
    StoredOptions stored;
    stored.HTTPEnabled = f.HTTPEnabled;
    stored.HTTPServer = f.HTTPServer.toStdString();
    stored.HTTPPort = *ParsePort(f.HTTPPort);
    stored.HTTPAuth = f.HTTPAuth;
    stored.HTTPUser = f.HTTPUser.toStdString();
    stored.HTTPPassword = f.HTTPPassword.toStdString();
    stored.FTPEnabled = f.FTPEnabled;
    stored.FTPServer = f.FTPServer.toStdString();
    stored.FTPPort = *ParsePort(f.FTPPort);
    stored.FTPMethod = f.FTPMethod;
    stored.FTPAuth = f.FTPFirewall;
    stored.FTPUser = f.FTPUser.toStdString();
    stored.FTPPassword = f.FTPPassword.toStdString();
    try {
        m_options.Write(stored);
    } catch (const std::exception& error) {
        m_prompts.Error(QString::fromStdString(error.what()));
        return;
    }
    accept();
}

}  // namespace qvs::app
