// The dialogs on their own: texts, enable rules, validations, the options' write order.
#include "about_dialog.h"
#include "app_fakes.h"
#include "app_texts.h"
#include "info_message.h"
#include "no_feature_dialog.h"
#include "options_access.h"
#include "options_dialog.h"
#include "password_dialog.h"
#include "qvs_options.h"
#include "scripted_prompts.h"
#include "search_remote_dialog.h"
#include "version_dialog.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSysInfo>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace qvs::app;
using namespace qvs::app::testing;

namespace {

std::string Str(const QString& text)
{
    return text.toStdString();
}

template <class T>
T* Find(QWidget& parent, const char* name)
{
    T* widget = parent.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

class OptionsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_file = std::make_unique<qvs::QVSOptions>(m_dir.filePath("qvs.ini").toStdString());
        m_access = std::make_unique<QVSOptionsAccess>(*m_file);
        m_dialog = std::make_unique<TfrmOptions>(*m_access, m_prompts);
    }
    void TearDown() override { m_prompts.VerifyDone(); }

    void Open() { m_dialog->show(); }
    bool Checked(const char* name) { return Find<QAbstractButton>(*m_dialog, name)->isChecked(); }
    bool Enabled(const char* name) { return Find<QWidget>(*m_dialog, name)->isEnabled(); }
    void Type(const char* name, const QString& text)
    {
        // Set directly: the refusals also apply to fields the rules have disabled.
        Find<QLineEdit>(*m_dialog, name)->setText(text);
    }
    void Press(const char* name) { Click(*m_dialog, name); }

    QTemporaryDir m_dir;
    ScriptedPrompts m_prompts;
    std::unique_ptr<qvs::QVSOptions> m_file;
    std::unique_ptr<QVSOptionsAccess> m_access;
    std::unique_ptr<TfrmOptions> m_dialog;
};

TEST_F(OptionsDialogTest, WithoutAFileEverythingIsOff)
{
    Open();
    EXPECT_EQ("Kavro Configuration Manager Options", Str(m_dialog->windowTitle()));
    auto* pages = Find<QTabWidget>(*m_dialog, "pgOptions");
    EXPECT_EQ("HTTP Proxy", Str(pages->tabText(0)));
    EXPECT_EQ("FTP Proxy", Str(pages->tabText(1)));
    EXPECT_EQ(0, pages->currentIndex());
    const OptionsForm f = m_dialog->Values();
    EXPECT_FALSE(f.HTTPEnabled || f.HTTPAuth || f.FTPEnabled || f.FTPFirewall);
    EXPECT_EQ("", Str(f.HTTPServer));
    EXPECT_EQ("0", Str(f.HTTPPort));
    EXPECT_EQ("0", Str(f.FTPPort));
    EXPECT_EQ(1, f.FTPMethod);
    EXPECT_TRUE(Checked("rdoFTPMethod1"));
    EXPECT_EQ("Send USER user@hostname", Str(Find<QRadioButton>(*m_dialog, "rdoFTPMethod1")->text()));
    EXPECT_EQ(5, Find<QLineEdit>(*m_dialog, "txtHTTPPort")->maxLength());
    for (const char* name : {"txtHTTPServer", "txtHTTPPort", "chkHTTPAuth", "txtHTTPUser", "txtHTTPPassword",
                             "txtFTPServer", "rdoFTPMethod4", "chkFTPFirewall", "txtFTPUser"})
        EXPECT_FALSE(Enabled(name)) << name;
}

TEST_F(OptionsDialogTest, HTTPEnableRulesFollowTheChecks)
{
    Open();
    Press("chkHTTPProxy");
    EXPECT_TRUE(Enabled("txtHTTPServer") && Enabled("txtHTTPPort") && Enabled("chkHTTPAuth"));
    EXPECT_FALSE(Enabled("txtHTTPUser") || Enabled("txtHTTPPassword"));
    Press("chkHTTPAuth");
    EXPECT_TRUE(Enabled("txtHTTPUser") && Enabled("txtHTTPPassword"));
    Press("chkHTTPProxy");
    EXPECT_FALSE(Enabled("txtHTTPUser") || Enabled("chkHTTPAuth"));
}

TEST_F(OptionsDialogTest, FTPMethodFourChecksFirewallLogonAndMethodOneClearsIt)
{
    Open();
    Press("chkFTPProxy");
    EXPECT_FALSE(Enabled("chkFTPFirewall"));  // method 1 is selected
    Press("rdoFTPMethod4");
    EXPECT_TRUE(Checked("chkFTPFirewall"));
    EXPECT_TRUE(Enabled("txtFTPUser") && Enabled("txtFTPPassword"));
    Press("rdoFTPMethod1");
    EXPECT_FALSE(Checked("chkFTPFirewall"));
    EXPECT_FALSE(Enabled("chkFTPFirewall") || Enabled("txtFTPUser"));
    Press("rdoFTPMethod2");
    EXPECT_TRUE(Enabled("chkFTPFirewall"));
    EXPECT_FALSE(Enabled("txtFTPUser"));
}

TEST_F(OptionsDialogTest, RefusalsKeepTheDialogOpenAndWriteNothing)
{
    Open();
    Type("txtHTTPPort", "abc");
    m_prompts.ExpectMessage(PromptKind::Error, "Not valid Proxy Port Number for HTTP.");
    Press("btnOk");
    Type("txtHTTPPort", "65535");
    Type("txtFTPPort", "65536");
    m_prompts.ExpectMessage(PromptKind::Error, "Not valid Proxy Port Number for FTP.");
    Press("btnOk");
    EXPECT_EQ(1, Find<QTabWidget>(*m_dialog, "pgOptions")->currentIndex());  // the field's page
    Type("txtFTPPort", "-1");
    m_prompts.ExpectMessage(PromptKind::Error, "Not valid Proxy Port Number for FTP.");
    Press("btnOk");
    Press("chkHTTPProxy");
    Type("txtHTTPServer", "proxy.lan");
    Press("chkHTTPAuth");
    Type("txtHTTPUser", "tech");
    Type("txtFTPPort", "21");
    m_prompts.ExpectMessage(PromptKind::Error, "Must provide a User and Password for HTTP Proxy authentication.");
    Press("btnOk");
    EXPECT_TRUE(m_dialog->isVisible());
    EXPECT_FALSE(QFile::exists(m_dir.filePath("qvs.ini")));
}

TEST_F(OptionsDialogTest, OkWritesEverySettingAndPasswordsAreNeverShown)
{
    Open();
    Press("chkHTTPProxy");
    Type("txtHTTPServer", "proxy.lan");
    Type("txtHTTPPort", "3128");
    Press("chkHTTPAuth");
    Type("txtHTTPUser", "tech");
    Type("txtHTTPPassword", "pa,ss(1)");
    Press("chkFTPProxy");
    Type("txtFTPServer", "ftpgw.lan");
    Type("txtFTPPort", "2121");
    Press("rdoFTPMethod4");
    Type("txtFTPUser", "fw");
    Type("txtFTPPassword", "fwpass");
    Press("btnOk");
    EXPECT_EQ(QDialog::Accepted, m_dialog->result());

    EXPECT_TRUE(m_file->ProxyEnabled(qvs::ProxyKind::HTTP));
    EXPECT_EQ("proxy.lan", m_file->ProxyServer(qvs::ProxyKind::HTTP));
    EXPECT_EQ(3128, m_file->ProxyPort(qvs::ProxyKind::HTTP));
    EXPECT_TRUE(m_file->ProxyAuth(qvs::ProxyKind::HTTP));
    EXPECT_EQ("tech", m_file->ProxyUser(qvs::ProxyKind::HTTP));
    EXPECT_EQ("pa,ss(1)", m_file->ProxyPassword(qvs::ProxyKind::HTTP));
    EXPECT_EQ(4, m_file->FtpMethod());
    EXPECT_TRUE(m_file->ProxyAuth(qvs::ProxyKind::FTP));
    EXPECT_EQ("fw", m_file->ProxyUser(qvs::ProxyKind::FTP));
    EXPECT_EQ("fwpass", m_file->ProxyPassword(qvs::ProxyKind::FTP));

    // Opened again: user names come back, passwords do not, so OK is refused until retyped.
    m_dialog->hide();
    Open();
    EXPECT_EQ("tech", Str(m_dialog->Values().HTTPUser));
    EXPECT_EQ("", Str(m_dialog->Values().HTTPPassword));
    EXPECT_EQ("", Str(m_dialog->Values().FTPPassword));
    EXPECT_TRUE(Checked("rdoFTPMethod4"));
    m_prompts.ExpectMessage(PromptKind::Error, "Must provide a User and Password for HTTP Proxy authentication.");
    Press("btnOk");
    QFile stored(m_dir.filePath("qvs.ini"));
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_FALSE(stored.readAll().contains("pa,ss"));  // encoded, never in clear
}

TEST_F(OptionsDialogTest, AMethodOutsideTheRangeSelectsNone)
{
    m_file->SetFtpMethod(7);
    m_file->SetProxyEnabled(qvs::ProxyKind::FTP, true);
    m_file->SetProxyServer(qvs::ProxyKind::FTP, "gw");
    Open();
    for (const char* name : {"rdoFTPMethod1", "rdoFTPMethod2", "rdoFTPMethod3", "rdoFTPMethod4"})
        EXPECT_FALSE(Checked(name)) << name;
    m_prompts.ExpectMessage(PromptKind::Error, "Must Select a Firewall Type.");
    Press("btnOk");
    Press("btnCancel");
    EXPECT_EQ(7, m_file->FtpMethod());  // Cancel writes nothing
}

TEST(SmallDialogs, PasswordDialogTexts)
{
    TfrmPassword dialog;
    dialog.show();
    EXPECT_EQ("Device Current Password", Str(dialog.windowTitle()));
    EXPECT_EQ(texts::kPasswordText, Str(Find<QLabel>(dialog, "lblText")->text()));
    EXPECT_EQ("Password", Str(dialog.findChild<QGroupBox*>()->title()));
    auto* field = Find<QLineEdit>(dialog, "txtPassword");
    QTest::keyClicks(field, "secret");
    dialog.hide();
    dialog.show();
    EXPECT_TRUE(field->text().isEmpty());  // emptied each time it opens
}

TEST(SmallDialogs, VersionDialogCloseIsOkAnythingElseCancel)
{
    TfrmVersion dialog;
    dialog.SetMessage("message", "Device version: 1.0");
    dialog.show();
    EXPECT_TRUE(Find<QPushButton>(dialog, "btnClose")->isDefault());
    Click(dialog, "btnClose");
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(QDialog::Rejected, dialog.result());
}

TEST(SmallDialogs, NoFeatureDialogShowsTheFeature)
{
    TfrmNoFeature dialog;
    dialog.SetFeature(texts::kFeatureRelayNotAuthenticated);
    EXPECT_EQ("Unsupported feature", Str(dialog.windowTitle()));
    EXPECT_EQ(texts::kNoFeatureText, Str(Find<QLabel>(dialog, "lblText")->text()));
    EXPECT_EQ("SMTP relay not authenticated", Str(Find<QLabel>(dialog, "lblFeature")->text()));
}

TEST(SmallDialogs, AboutBoxNamesTheRealSystem)
{
    TfrmAbout dialog;
    EXPECT_EQ("Version 3.0.4", Str(Find<QLabel>(dialog, "lblVersion")->text()));
    EXPECT_EQ(Str(QSysInfo::prettyProductName()), Str(Find<QLabel>(dialog, "lblOS")->text()));
    EXPECT_FALSE(Find<QLabel>(dialog, "lblOS")->text().startsWith("Windows"));
    EXPECT_TRUE(Find<QLabel>(dialog, "lblBuild")->text().startsWith("Build "));
}

TEST(SmallDialogs, InfoMessageHasNoWindowButtons)
{
    TInfoMessage info;
    info.ShowText("Connecting...");
    EXPECT_EQ("Information", Str(info.windowTitle()));
    EXPECT_EQ("Connecting...", Str(info.Text()));
    EXPECT_TRUE(info.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(info.windowFlags() & Qt::WindowCloseButtonHint);
}

}  // namespace
