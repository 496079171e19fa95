#include "app_texts.h"
#include "main_window_rules.h"
#include "options_rules.h"
#include "qprot_errors.h"

#include <gtest/gtest.h>

using namespace qvs::app;

namespace {

std::string Str(const QString& text)
{
    return text.toStdString();
}

TEST(ApplicationUpdateRule, NothingOpenNotConnected)
{
    const ApplicationView view = ApplicationUpdate({});
    EXPECT_EQ("QVS - [] - Not Connected", Str(view.Title));
    EXPECT_EQ("Not Connected", Str(view.StatusConnection));
    EXPECT_FALSE(view.FileSave || view.FileSaveAs || view.FileClose || view.ConfigurationGetFromKavro ||
                 view.WebSiteGetFromKavro || view.ToolsTagMonitor || view.ConfigurationSendToKavro ||
                 view.WebSiteSendToKavro || view.ConfigurationAddTag || view.WebSiteAddFile);
}

TEST(ApplicationUpdateRule, ConnectedTitleAndStatus)
{
    ApplicationState state;
    state.Connected = true;
    state.ConnectedName = "Kavro-10-MB";
    state.ConnectedMAC = "00:60:35:0A:00:01";
    ApplicationState::ActiveDocument doc;
    doc.FileName = "/plant/line1.kvr";
    doc.Caption = "line1.kvr";
    state.Active = doc;
    const ApplicationView view = ApplicationUpdate(state);
    EXPECT_EQ("QVS - [/plant/line1.kvr] - Kavro-10-MB/00:60:35:0A:00:01", Str(view.Title));
    EXPECT_EQ("Connected To: Kavro-10-MB/00:60:35:0A:00:01", Str(view.StatusConnection));
    EXPECT_TRUE(view.ConfigurationGetFromKavro && view.WebSiteGetFromKavro && view.ToolsTagMonitor);
    EXPECT_TRUE(view.ConfigurationSendToKavro);
    EXPECT_FALSE(view.WebSiteSendToKavro);
}

struct DocumentCase {
    DocumentKind Kind;
    bool Connected, TagPage, TagSelected, FileSelected;
    bool CfgSend, SiteSend, AddTag, EditRemove, AddFile, FileOps;
};

class DocumentRules : public ::testing::TestWithParam<DocumentCase> {};

TEST_P(DocumentRules, EnableStates)
{
    const DocumentCase& c = GetParam();
    ApplicationState state;
    state.Connected = c.Connected;
    ApplicationState::ActiveDocument doc;
    doc.Kind = c.Kind;
    doc.ShowsTagPage = c.TagPage;
    doc.HasSelectedTag = c.TagSelected;
    doc.HasSelectedSiteFile = c.FileSelected;
    state.Active = doc;
    const ApplicationView v = ApplicationUpdate(state);
    EXPECT_TRUE(v.FileSave && v.FileSaveAs && v.FileClose);
    EXPECT_EQ(c.CfgSend, v.ConfigurationSendToKavro);
    EXPECT_EQ(c.SiteSend, v.WebSiteSendToKavro);
    EXPECT_EQ(c.AddTag, v.ConfigurationAddTag);
    EXPECT_EQ(c.EditRemove, v.ConfigurationEditTag);
    EXPECT_EQ(c.EditRemove, v.ConfigurationRemoveTag);
    EXPECT_EQ(c.AddFile, v.WebSiteAddFile);
    EXPECT_EQ(c.FileOps, v.WebSiteExtractFile);
    EXPECT_EQ(c.FileOps, v.WebSiteViewFile);
    EXPECT_EQ(c.FileOps, v.WebSiteRemoveFile);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DocumentRules,
    ::testing::Values(
        // kind, connected, tag page, tag selected, file selected -> cfg send, site send, add, edit/remove, add file, file ops
        DocumentCase{DocumentKind::ModbusConfig, false, false, false, false, false, false, false, false, false, false},
        DocumentCase{DocumentKind::HostlinkConfig, true, false, true, false, true, false, false, false, false, false},
        DocumentCase{DocumentKind::DF1Config, true, true, false, false, true, false, true, false, false, false},
        DocumentCase{DocumentKind::ModbusConfig, false, true, true, false, false, false, true, true, false, false},
        DocumentCase{DocumentKind::Site, true, true, true, false, false, true, false, false, true, false},
        DocumentCase{DocumentKind::Site, false, false, false, true, false, false, false, false, true, true}));

TEST(CaptionMarker, AddsAndDropsOneStar)
{
    EXPECT_EQ("a.kvr*", Str(MarkCaption("a.kvr", false)));
    EXPECT_EQ("a.kvr*", Str(MarkCaption("a.kvr*", false)));
    EXPECT_EQ("a.kvr", Str(MarkCaption("a.kvr*", true)));
    EXPECT_EQ("a.kvr", Str(MarkCaption("a.kvr", true)));
}

TEST(ActionListUpdateRule, SelectedRowNamesTheDevice)
{
    const auto view = ActionListUpdate(SelectedRow{"Kavro-10-MB", "AA-BB"}, false);
    EXPECT_TRUE(view.PropertiesEnabled);
    EXPECT_TRUE(view.ConnectEnabled);
    EXPECT_EQ("&Properties of Kavro-10-MB/AA-BB...", Str(view.PropertiesCaption));
    EXPECT_EQ("Edit Properties of Kavro-10-MB/AA-BB", Str(view.PropertiesHint));
}

TEST(ActionListUpdateRule, WithoutSelectionConnectOnlyWhileChecked)
{
    auto view = ActionListUpdate(std::nullopt, false);
    EXPECT_FALSE(view.PropertiesEnabled);
    EXPECT_FALSE(view.ConnectEnabled);
    EXPECT_EQ("&Properties...", Str(view.PropertiesCaption));
    EXPECT_EQ("Edit Device Properties", Str(view.PropertiesHint));
    view = ActionListUpdate(std::nullopt, true);
    EXPECT_TRUE(view.ConnectEnabled);
}

TEST(ConnectToggle, CaptionsAndHints)
{
    EXPECT_EQ("Co&nnect...", Str(ConnectToggleText(false, "K", "M").Caption));
    EXPECT_EQ("Connect to Kavro", Str(ConnectToggleText(false, "K", "M").Hint));
    EXPECT_EQ("Disco&nnect from K/M", Str(ConnectToggleText(true, "K", "M").Caption));
    EXPECT_EQ("Disconnect from K/M", Str(ConnectToggleText(true, "K", "M").Hint));
}

TEST(DocumentNames, NonameAndPromptName)
{
    EXPECT_EQ("noname1.kvr", Str(NewDocumentName(DocumentKind::ModbusConfig, 1)));
    EXPECT_EQ("noname2.kwp", Str(NewDocumentName(DocumentKind::Site, 2)));
    EXPECT_EQ("noname1.kvr", Str(SavePromptName("/opt/qvs/noname1.kvr", false)));
    EXPECT_EQ("/data/a.kvr", Str(SavePromptName("/data/a.kvr", true)));
}

TEST(Flavours, SendMatchesOnlyItsOwnFlavour)
{
    EXPECT_TRUE(KindMatchesFlavour(DocumentKind::ModbusConfig, 0));
    EXPECT_FALSE(KindMatchesFlavour(DocumentKind::HostlinkConfig, 0));
    EXPECT_TRUE(KindMatchesFlavour(DocumentKind::HostlinkConfig, 1));
    EXPECT_TRUE(KindMatchesFlavour(DocumentKind::DF1Config, 2));
    EXPECT_FALSE(KindMatchesFlavour(DocumentKind::Site, 0));
    EXPECT_EQ(DocumentKind::DF1Config, ConfigurationKindOfFlavour(2));
}

struct GateCase {
    const char* Name;
    const char* Version;
    int Flavour;
    ConnectGate::Verdict Verdict;
    const char* KeptVersion;
    const char* VersionLine;
};

class ConnectGates : public ::testing::TestWithParam<GateCase> {};

TEST_P(ConnectGates, Verdict)
{
    const GateCase& c = GetParam();
    const ConnectGate gate = CheckConnectGates(c.Name, c.Version, c.Flavour);
    EXPECT_EQ(static_cast<int>(c.Verdict), static_cast<int>(gate.Result)) << c.Name << " " << c.Version;
    EXPECT_EQ(c.KeptVersion, Str(gate.Version));
    EXPECT_EQ(c.VersionLine, Str(gate.VersionLine));
}

using V = ConnectGate::Verdict;
INSTANTIATE_TEST_SUITE_P(
    Cases, ConnectGates,
    ::testing::Values(GateCase{"Kavro-10-DF1", "2.0.4-R", 2, V::TooNew, "2.0.4", "Device version: 2.0.4"},
                      GateCase{"Kavro-10-MB", "2.0.3", 0, V::Proceed, "2.0.3", ""},
                      GateCase{"Kavro-1C-HL", "2.1.0-SN", 1, V::NotManageable, "2.1.0-SN", "Device version: 2.1.0-SN"},
                      GateCase{"Olvar-A", "0.1", 0, V::Proceed, "0.1", ""},
                      GateCase{"Kavro-10-MB", "2.0.2", 0, V::TooNew, "2.0.2", "Device version: 2.0.2"},
                      GateCase{"Kavro-10-DF1", "2.0.5-R", 2, V::Proceed, "2.0.5", ""},
                      GateCase{"Kavro-10-MB", "3.99.98", 0, V::Proceed, "3.99.98", ""},
                      GateCase{"Kavro-10-MB", "3.99.99", 0, V::TooOld, "3.99.99", "Device version: 3.99.99"},
                      GateCase{"Kavro-1C-HL", "4.0.0-R", 1, V::TooOld, "4.0.0", "Device version: 4.0.0"}));

TEST(ConnectGates, MessagesNameTheMaker)
{
    EXPECT_EQ(std::string(texts::kTooNew) + texts::kSupportEmail,
              Str(CheckConnectGates("Kavro-10-MB", "1.0.0", 0).Message));
    EXPECT_EQ(std::string(texts::kTooOld) + texts::kMakerWeb, Str(CheckConnectGates("Kavro-10-MB", "5.0.0", 0).Message));
    EXPECT_EQ(std::string(texts::kNotManageable) + texts::kSupportEmail,
              Str(CheckConnectGates("Kavro-10-MB", "2.0.5-SN", 0).Message));
}

TEST(ConnectGates, NonNumericVersionIsAConversionError)
{
    EXPECT_THROW(CheckConnectGates("Kavro-10-MB", "2.x.5", 0), qvs::IntegerConversionError);
}

struct OptionsCase {
    const char* Label;
    std::function<void(OptionsForm&)> Change;
    const char* Message;  // nullptr: accepted
};

TEST(OptionsValidation, ChecksInOrder)
{
    const std::vector<OptionsCase> cases = {
        {"defaults", [](OptionsForm&) {}, nullptr},
        {"http on, no server", [](OptionsForm& f) { f.HTTPEnabled = true; }, texts::kBadHTTPServer},
        {"http port letters while off", [](OptionsForm& f) { f.HTTPPort = "abc"; }, texts::kBadHTTPPort},
        {"http port 65535", [](OptionsForm& f) { f.HTTPPort = "65535"; }, nullptr},
        {"http port 65536", [](OptionsForm& f) { f.HTTPPort = "65536"; }, texts::kBadHTTPPort},
        {"http port -1", [](OptionsForm& f) { f.HTTPPort = "-1"; }, texts::kBadHTTPPort},
        {"http port empty", [](OptionsForm& f) { f.HTTPPort = ""; }, texts::kBadHTTPPort},
        {"http auth without password",
         [](OptionsForm& f) {
             f.HTTPAuth = true;
             f.HTTPUser = "u";
         },
         texts::kBadHTTPAuth},
        {"server before port",
         [](OptionsForm& f) {
             f.HTTPEnabled = true;
             f.HTTPPort = "x";
         },
         texts::kBadHTTPServer},
        {"ftp on, no server", [](OptionsForm& f) { f.FTPEnabled = true; }, texts::kBadFTPServer},
        {"ftp port 65536", [](OptionsForm& f) { f.FTPPort = "65536"; }, texts::kBadFTPPort},
        {"ftp port -1", [](OptionsForm& f) { f.FTPPort = "-1"; }, texts::kBadFTPPort},
        {"ftp port 65535", [](OptionsForm& f) { f.FTPPort = "65535"; }, nullptr},
        {"ftp on without method",
         [](OptionsForm& f) {
             f.FTPEnabled = true;
             f.FTPServer = "proxy";
             f.FTPMethod = 0;
         },
         texts::kBadFTPMethod},
        {"ftp off without method", [](OptionsForm& f) { f.FTPMethod = 0; }, nullptr},
        {"firewall without user",
         [](OptionsForm& f) {
             f.FTPFirewall = true;
             f.FTPPassword = "p";
         },
         texts::kBadFTPAuth},
        {"http problem before ftp",
         [](OptionsForm& f) {
             f.HTTPAuth = true;
             f.FTPEnabled = true;
         },
         texts::kBadHTTPAuth},
    };
    for (const auto& c : cases) {
        OptionsForm form;
        c.Change(form);
        const auto problem = ValidateOptions(form);
        if (c.Message) {
            ASSERT_TRUE(problem.has_value()) << c.Label;
            EXPECT_EQ(c.Message, Str(problem->Message)) << c.Label;
        } else {
            EXPECT_FALSE(problem.has_value()) << c.Label << ": " << (problem ? Str(problem->Message) : "");
        }
    }
}

TEST(OptionsEnableRules, HTTP)
{
    auto off = HTTPProxyEnableRule(false, true);
    EXPECT_FALSE(off.Server || off.Port || off.Auth || off.User || off.Password);
    auto on = HTTPProxyEnableRule(true, false);
    EXPECT_TRUE(on.Server && on.Port && on.Auth);
    EXPECT_FALSE(on.User || on.Password);
    auto auth = HTTPProxyEnableRule(true, true);
    EXPECT_TRUE(auth.User && auth.Password);
}

TEST(OptionsEnableRules, FTPMethodsDriveFirewallLogon)
{
    auto off = FTPProxyEnableRule(false, 4, true);
    EXPECT_FALSE(off.Server || off.Methods || off.Firewall || off.User);
    EXPECT_TRUE(off.FirewallChecked);
    auto method1 = FTPProxyEnableRule(true, 1, true);
    EXPECT_FALSE(method1.FirewallChecked || method1.Firewall || method1.User || method1.Password);
    auto method4 = FTPProxyEnableRule(true, 4, false);
    EXPECT_TRUE(method4.FirewallChecked && method4.Firewall && method4.User && method4.Password);
    auto method2 = FTPProxyEnableRule(true, 2, false);
    EXPECT_TRUE(method2.Firewall);
    EXPECT_FALSE(method2.User);
}

}  // namespace
