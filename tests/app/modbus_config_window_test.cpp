#include "email_dialog.h"
#include "input_integer_dialog.h"
#include "internal_tags_dialog.h"
#include "modbus_config_window.h"
#include "modbus_tags_dialog.h"
#include "scripted_prompts.h"
#include "widget_pictures.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

namespace qvs::app {
namespace {

using testing::Click;
using testing::ScriptedPrompts;

template <typename W = QWidget>
W* Find(QWidget& parent, const char* name)
{
    W* widget = parent.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void Tick(QWidget& parent, const char* box)
{
    auto* button = Find<QAbstractButton>(parent, box);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

void Type(QWidget& parent, const char* field, const QString& text)
{
    auto* edit = Find<QLineEdit>(parent, field);
    edit->clear();
    QTest::keyClicks(edit, text);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

TModbusTagConfig HoldingTag(const std::string& name, int address)
{
    TModbusTagConfig tag;
    tag.Name = name;
    tag.UnitId = 1;
    tag.Address = address;
    tag.Kind = kKindInteger;
    return tag;
}

const QByteArray kNewFile =
    "[GENERAL]\r\nFILETYPE=MB\r\nFILEVERSION=1.0\r\n\r\n"
    "[COM]\r\nCOMTYPE=0\r\nBAUD=9600\r\nPARITY=0\r\nFORMAT=0\r\nSCANTIME=100\r\nMSGTOUT=1000\r\nPKTTOUT=4\r\n\r\n"
    "[SMTP]\r\nENABLE=0\r\nSERVER=\r\nTIMEOUT=20\r\nRETRIES=5\r\nRETRYINT=10\r\nFROM=\r\nAUTH=0\r\nUSER=\r\n"
    "PASS=\r\nTOO_0=\r\nTOO_1=\r\nTOO_2=\r\nTOO_3=\r\nTOO_4=\r\nTOO_5=\r\n\r\n";

class ModbusConfigWindowTest : public ::testing::Test {
protected:
    ModbusConfigWindowTest()
        : editor(prompts, picker), inputInteger(prompts), email(prompts),
          document(std::make_unique<TMDIModbusConfig>(
              prompts, TModbusDocumentTools{editor, inputInteger, email, {}, {}, {}}))
    {
        document->New(QStringLiteral("noname1.kvr"));
        document->show();
    }
    ~ModbusConfigWindowTest() override { prompts.VerifyDone(); }

    QString Path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
    int Page() { return Find<QTabWidget>(*document, "pgcConfig")->currentIndex(); }
    void ShowPage(int page)
    {
        Find<QTabWidget>(*document, "pgcConfig")->setCurrentIndex(page);
        QApplication::processEvents();  // lay the page out before clicking on it
    }
    QTreeWidget& Tags() { return *Find<QTreeWidget>(*document, "lstTags"); }
    void SelectTag(int row) { Tags().setCurrentItem(Tags().topLevelItem(row)); }

    // The editor, scripted: the name and address typed, then OK.
    void ExpectEditor(const QString& name, const QString& address, const QString& caption)
    {
        prompts.ExpectDialog("frmModbusTags", [=](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), caption);
            Type(dialog, "txtTagName", name);
            Type(dialog, "txtUnitID", "1");
            if (!address.isEmpty()) Type(dialog, "txtAddress", address);
            Click(dialog, "btnOk");
            return dialog.result();
        });
    }

    void ExpectEmail(const QString& address)
    {
        prompts.ExpectDialog("frmEmail", [=](QDialog& dialog) {
            Type(dialog, "txtEMail", address);
            Click(dialog, "btnOk");
            return dialog.result();
        });
    }

    QTemporaryDir folder;
    ScriptedPrompts prompts;
    TfrmInternalTags picker;
    TfrmModbusTags editor;
    TfrmInputInteger inputInteger;
    TfrmEmail email;
    std::unique_ptr<TMDIModbusConfig> document;
};

TEST_F(ModbusConfigWindowTest, NewDocumentSavedAtOnceGivesTheExactFile)
{
    EXPECT_EQ(document->windowTitle(), "Kavro Modbus Configuration - noname1.kvr");
    EXPECT_TRUE(document->Saved());
    EXPECT_FALSE(document->HasFile());
    EXPECT_EQ(Page(), 0);
    EXPECT_EQ(Find<QLabel>(*document, "stScanTime")->text(), "100 ms");
    EXPECT_EQ(Find<QLabel>(*document, "stMessageTout")->text(), "1000 ms");
    EXPECT_EQ(Find<QComboBox>(*document, "cboBaudRate")->currentText(), "9600");
    for (const char* name : {"txtEMailServer", "chkAuth", "txtEMailTimeout", "txtEMailSender", "txtUser",
                             "txtPass1", "udnEMailTimeout"})
        EXPECT_FALSE(Find(*document, name)->isEnabled()) << name;
    EXPECT_TRUE(Find(*document, "lstEMailRecipients")->isEnabled());

    const QString path = Path("new.kvr");
    prompts.ExpectFile(path);
    EXPECT_TRUE(document->Save());
    EXPECT_EQ(ReadFile(path), kNewFile);
    EXPECT_EQ(document->windowTitle(), "Kavro Modbus Configuration - " + path);
    EXPECT_TRUE(document->HasFile());
    EXPECT_EQ(document->FileName(), path);
}

TEST_F(ModbusConfigWindowTest, SaveAsCancelledChangesNothing)
{
    prompts.ExpectFile(QString());
    EXPECT_FALSE(document->SaveAs());
    EXPECT_FALSE(document->HasFile());
    EXPECT_EQ(document->windowTitle(), "Kavro Modbus Configuration - noname1.kvr");
}

TEST_F(ModbusConfigWindowTest, SaveAsReplacesAnExistingFileOnlyWithNewContent)
{
    const QString path = Path("old.kvr");
    WriteFile(path, "[GENERAL]\r\nFILETYPE=MB\r\nFILEVERSION=1.0\r\n[NOTES]\r\nA=1\r\n");
    ShowPage(0);
    Type(*document, "txtPacketTout", "");
    prompts.ExpectFile(path);
    prompts.ExpectMessage(PromptKind::Error, "Invalid Packet Timeout.");
    EXPECT_FALSE(document->SaveAs());
    // Refused by validation: the file there is untouched, the document has its new name.
    EXPECT_EQ(ReadFile(path), "[GENERAL]\r\nFILETYPE=MB\r\nFILEVERSION=1.0\r\n[NOTES]\r\nA=1\r\n");
    EXPECT_EQ(document->FileName(), path);
    EXPECT_TRUE(document->HasFile());
    EXPECT_FALSE(document->Saved());

    Type(*document, "txtPacketTout", "4");
    EXPECT_TRUE(document->Save());
    EXPECT_EQ(ReadFile(path), kNewFile);  // a fresh store: NOTES is not carried over
}

TEST_F(ModbusConfigWindowTest, CaptionMarksUnsavedChanges)
{
    Find<QComboBox>(*document, "cboParity")->setCurrentIndex(2);
    EXPECT_FALSE(document->Saved());
    EXPECT_TRUE(document->windowTitle().endsWith("*"));
    prompts.ExpectFile(Path("parity.kvr"));
    EXPECT_TRUE(document->Save());
    EXPECT_FALSE(document->windowTitle().endsWith("*"));
    EXPECT_TRUE(ReadFile(Path("parity.kvr")).contains("PARITY=2\r\n"));
}

TEST_F(ModbusConfigWindowTest, FiveRecipientsAtMost)
{
    ShowPage(1);
    for (int i = 0; i < 5; ++i) {
        ExpectEmail(QStringLiteral("user%1@site.com").arg(i));
        Click(*document, "btnEMailAdd");
    }
    auto* list = Find<QListWidget>(*document, "lstEMailRecipients");
    ASSERT_EQ(list->count(), 5);
    prompts.ExpectMessage(PromptKind::Information, QString::fromUtf8("Can´t add more than 5 E-Mail Addresses."));
    Click(*document, "btnEMailAdd");
    EXPECT_EQ(list->count(), 5);
    EXPECT_EQ(document->GetAllConfig().Email.RecipientCount, 5);
}

TEST_F(ModbusConfigWindowTest, EmailDialogRefusesAnInvalidAddressAndKeepsBlanks)
{
    ShowPage(1);
    prompts.ExpectDialog("frmEmail", [this](QDialog& dialog) {
        Type(dialog, "txtEMail", "no at sign");
        prompts.ExpectMessage(PromptKind::Error, "The E-mail Address is not valid.");
        Click(dialog, "btnOk");
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(dialog.focusWidget(), dialog.findChild<QWidget*>("txtEMail"));
        Type(dialog, "txtEMail", " a@b ");
        Click(dialog, "btnOk");
        return dialog.result();
    });
    Click(*document, "btnEMailAdd");
    auto* list = Find<QListWidget>(*document, "lstEMailRecipients");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), " a@b ");

    list->setCurrentRow(0);
    prompts.ExpectDialog("frmEmail", [](QDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QLineEdit*>("txtEMail")->text(), " a@b ");
        Type(dialog, "txtEMail", "c@d");
        Click(dialog, "btnOk");
        return dialog.result();
    });
    Click(*document, "btnEMailEdit");
    EXPECT_EQ(list->item(0)->text(), "c@d");

    prompts.ExpectMessage(PromptKind::Confirmation, "Are you sure you want to delete the \"c@d\" E-Mail Address?",
                          PromptAnswer::No);
    Click(*document, "btnEMailDelete");
    EXPECT_EQ(list->count(), 1);
    prompts.ExpectMessage(PromptKind::Confirmation, "Are you sure you want to delete the \"c@d\" E-Mail Address?",
                          PromptAnswer::Yes);
    Click(*document, "btnEMailDelete");
    EXPECT_EQ(list->count(), 0);
}

TEST_F(ModbusConfigWindowTest, UpAndDownAtTheEndsChangeNothing)
{
    const QString path = Path("mails.kvr");
    WriteFile(path, QByteArray(kNewFile).replace("TOO_0=", "TOO_0=a@x").replace("TOO_2=", "TOO_2=b@x")
                        .replace("TOO_4=", "TOO_4=c@x"));
    document->Open(path);
    ASSERT_TRUE(document->Saved());
    ShowPage(1);
    auto* list = Find<QListWidget>(*document, "lstEMailRecipients");
    ASSERT_EQ(list->count(), 3);
    list->setCurrentRow(0);
    Click(*document, "btnUp");
    list->setCurrentRow(2);
    Click(*document, "btnDown");
    EXPECT_TRUE(document->Saved());
    EXPECT_EQ(list->item(0)->text(), "a@x");
    EXPECT_EQ(list->item(2)->text(), "c@x");

    Click(*document, "btnUp");
    EXPECT_EQ(list->item(1)->text(), "c@x");
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_FALSE(document->Saved());
}

TEST_F(ModbusConfigWindowTest, ValidationOrderPageAndFocus)
{
    ShowPage(2);
    Type(*document, "txtPacketTout", "");
    prompts.ExpectMessage(PromptKind::Error, "Invalid Packet Timeout.");
    EXPECT_FALSE(document->Validate());
    EXPECT_EQ(Page(), 0);
    EXPECT_EQ(document->focusWidget(), Find(*document, "txtPacketTout"));
    Type(*document, "txtPacketTout", "21");
    prompts.ExpectMessage(PromptKind::Error, "Invalid Packet Timeout.");
    EXPECT_FALSE(document->Validate());
    Type(*document, "txtPacketTout", "20");
    EXPECT_TRUE(document->Validate());

    // Relaying off with an empty server and sender is fine; on, the server is required.
    ShowPage(1);
    Tick(*document, "chkEMailEnable");
    EXPECT_TRUE(Find(*document, "txtEMailServer")->isEnabled());
    ShowPage(2);
    prompts.ExpectMessage(PromptKind::Error, "Invalid SMTP Server.");
    EXPECT_FALSE(document->Validate());
    EXPECT_EQ(Page(), 1);
    EXPECT_EQ(document->focusWidget(), Find(*document, "txtEMailServer"));
    Type(*document, "txtEMailServer", "smtp.example-1_a");
    Type(*document, "txtEMailSender", "kavro@example.com");

    Tick(*document, "chkAuth");
    EXPECT_TRUE(Find(*document, "txtPass1")->isEnabled());
    Type(*document, "txtUser", "user");
    Type(*document, "txtPass1", "Secret");
    Type(*document, "txtPass2", "secret");
    ShowPage(2);
    prompts.ExpectMessage(PromptKind::Error, "Passwords do not match");
    EXPECT_FALSE(document->Validate());
    EXPECT_EQ(Page(), 1);
    EXPECT_EQ(document->focusWidget(), Find(*document, "txtPass1"));
    Type(*document, "txtPass2", "Secret");
    EXPECT_TRUE(document->Validate());
}

TEST_F(ModbusConfigWindowTest, SliderButtonsTakeAnExactValue)
{
    prompts.ExpectDialog("frmInputInteger", [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Scan Time (ms)");
        EXPECT_EQ(dialog.findChild<QLineEdit*>("txtValue")->text(), "100");
        Type(dialog, "txtValue", "2345");
        Click(dialog, "btnOk");
        return dialog.result();
    });
    Click(*document, "btnScanTime");
    EXPECT_EQ(Find<QSlider>(*document, "sldScanTime")->value(), 2345);
    EXPECT_EQ(Find<QLabel>(*document, "stScanTime")->text(), "2345 ms");
    EXPECT_FALSE(document->Saved());

    TModbusKavroConfig config = document->GetAllConfig();
    config.ScanTime = 20000;
    config.ComType = 5;
    document->SetAllConfig(config);
    EXPECT_EQ(Find<QSlider>(*document, "sldScanTime")->value(), 10000);
    EXPECT_EQ(Find<QLabel>(*document, "stScanTime")->text(), "10000 ms");
    EXPECT_EQ(Find<QComboBox>(*document, "cboComType")->currentIndex(), 0);
}

TEST_F(ModbusConfigWindowTest, OpenEditSaveKeepsForeignSections)
{
    const QString path = Path("notes.kvr");
    QByteArray file = kNewFile;
    file += "[TAG0]\r\nNAME=TEMP1\r\nSOURCE=Modbus Serial\r\nUNITID=1\r\nADDRESS=40001\r\nTYPE=Unsigned int\r\n"
            "ENRON=No\r\nBITPOS=0\r\nREADONLY=No\r\nLIMITS=No\r\nWRMIN=0\r\nWRMAX=0\r\nALARM=No\r\nALMIN=0\r\n"
            "ALMAX=0\r\nEMAIL=No\r\nSCALE=None\r\nFACTORA=0\r\nFACTORB=0\r\nKIND=1\r\n\r\n"
            "[NOTES]\r\nWHO=plant 4\r\n; a comment\r\n";
    WriteFile(path, file);
    document->Open(path);
    EXPECT_EQ(document->windowTitle(), "Kavro Modbus Configuration - " + path);
    ASSERT_EQ(Tags().topLevelItemCount(), 1);
    EXPECT_EQ(Tags().topLevelItem(0)->text(0), "TEMP1");
    EXPECT_EQ(Tags().topLevelItem(0)->text(3), "40001");
    EXPECT_EQ(Tags().columnCount(), 20);
    EXPECT_TRUE(Tags().isColumnHidden(18));
    EXPECT_EQ(Tags().topLevelItem(0)->text(18), "No");  // TRAP
    EXPECT_EQ(Tags().topLevelItem(0)->text(19), "1");   // KIND

    Find<QComboBox>(*document, "cboFormat")->setCurrentIndex(1);
    EXPECT_TRUE(document->Save());
    const QByteArray saved = ReadFile(path);
    EXPECT_TRUE(saved.contains("FORMAT=1\r\n"));
    EXPECT_TRUE(saved.contains("[NOTES]\r\nWHO=plant 4\r\n\r\n[TAG0]\r\nNAME=TEMP1\r\n"));
    EXPECT_FALSE(saved.contains("comment"));
}

TEST_F(ModbusConfigWindowTest, ReadingWarningsAreShownAndLeaveTheDocumentUnsaved)
{
    const QString path = Path("nopkt.kvr");
    WriteFile(path, QByteArray(kNewFile).replace("PKTTOUT=4\r\n", ""));
    prompts.ExpectMessage(PromptKind::Warning,
                          "The paramenter \"Packet Timeout\" has not a valid value ().\r\n Value \"4 bytes\" is "
                          "taken as Default.");
    document->Open(path);
    EXPECT_FALSE(document->Saved());
    EXPECT_EQ(Find<QLineEdit>(*document, "txtPacketTout")->text(), "4");
}

TEST_F(ModbusConfigWindowTest, AddTagWithTheDuplicateNameLoop)
{
    ShowPage(2);
    EXPECT_TRUE(document->ShowsTagPage());
    EXPECT_FALSE(document->HasSelectedTag());
    ExpectEditor("temp1", "0001", "Add Modbus Tag");
    document->AddTag();
    ASSERT_EQ(Tags().topLevelItemCount(), 1);
    EXPECT_FALSE(document->Saved());

    // The same name again: refused, the editor comes back on the entry as typed.
    ExpectEditor("TEMP1", "0002", "Add Modbus Tag");
    prompts.ExpectMessage(PromptKind::Error, "The Tag TEMP1 already exists.");
    prompts.ExpectDialog("frmModbusTags", [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Edit Modbus Tag");
        EXPECT_EQ(dialog.findChild<QLineEdit*>("txtTagName")->text(), "TEMP1");
        EXPECT_EQ(dialog.findChild<QLineEdit*>("txtAddress")->displayText(), "40002 ");
        Type(dialog, "txtTagName", "TEMP2");
        Click(dialog, "btnOk");
        return dialog.result();
    });
    document->AddTag();
    ASSERT_EQ(Tags().topLevelItemCount(), 2);
    EXPECT_EQ(Tags().topLevelItem(1)->text(0), "TEMP2");
    EXPECT_EQ(Tags().topLevelItem(1)->text(3), "40002");

    // Cancel adds nothing.
    prompts.ExpectDialog("frmModbusTags", [](QDialog& dialog) {
        Click(dialog, "btnCancel");
        return dialog.result();
    });
    document->AddTag();
    EXPECT_EQ(Tags().topLevelItemCount(), 2);
}

TEST_F(ModbusConfigWindowTest, EditKeepsItsOwnNameAndRefusesAnother)
{
    TModbusKavroConfig config = document->GetAllConfig();
    config.TagCount = 2;
    config.Tags[0] = HoldingTag("A", 1);
    config.Tags[1] = HoldingTag("B", 2);
    document->SetAllConfig(config);
    ShowPage(2);
    SelectTag(1);
    ASSERT_TRUE(document->HasSelectedTag());

    prompts.ExpectDialog("frmModbusTags", [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Edit Modbus Tag");
        EXPECT_EQ(dialog.findChild<QLineEdit*>("txtTagName")->text(), "B");
        Type(dialog, "txtUnitID", "9");
        Click(dialog, "btnOk");
        return dialog.result();
    });
    document->EditTag();
    EXPECT_EQ(Tags().topLevelItem(1)->text(2), "9");

    prompts.ExpectDialog("frmModbusTags", [](QDialog& dialog) {
        Type(dialog, "txtTagName", "A");
        Click(dialog, "btnOk");
        return dialog.result();
    });
    prompts.ExpectMessage(PromptKind::Error, "The Tag A already exists.");
    prompts.ExpectDialog("frmModbusTags", [](QDialog& dialog) {
        Click(dialog, "btnCancel");
        return dialog.result();
    });
    const QPoint row = Tags().visualItemRect(Tags().topLevelItem(1)).center();
    QTest::mouseClick(Tags().viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(Tags().viewport(), Qt::LeftButton, {}, row);
    EXPECT_EQ(Tags().topLevelItem(1)->text(0), "B");

    prompts.ExpectMessage(PromptKind::Confirmation, "Are you sure to delete the Tag \"B\"", PromptAnswer::Yes);
    document->RemoveTag();
    ASSERT_EQ(Tags().topLevelItemCount(), 1);
    EXPECT_FALSE(document->HasSelectedTag());
}

TEST_F(ModbusConfigWindowTest, NoMoreThan128Tags)
{
    TModbusKavroConfig config = document->GetAllConfig();
    config.TagCount = kMaxTags;
    for (int i = 0; i < kMaxTags; ++i) config.Tags[static_cast<std::size_t>(i)] = HoldingTag("T" + std::to_string(i), i + 1);
    document->SetAllConfig(config);
    EXPECT_EQ(Tags().topLevelItemCount(), kMaxTags);
    prompts.ExpectMessage(PromptKind::Error, "Cannot add more than 128 Tags.");
    document->AddTag();
    EXPECT_EQ(document->GetAllConfig().Tags[127].Name, "T127");
}

TEST_F(ModbusConfigWindowTest, RowThatDoesNotParseOpensNoEditor)
{
    const QString path = Path("bad.kvr");
    QByteArray file = kNewFile;
    file += "[TAG0]\r\nNAME=BAD\r\nSOURCE=Modbus Serial\r\nUNITID=x1\r\nADDRESS=40001\r\nKIND=1\r\n";
    WriteFile(path, file);
    document->Open(path);
    ShowPage(2);
    SelectTag(0);
    prompts.ExpectMessage(PromptKind::Error, "'x1' is not a valid integer value");
    document->EditTag();
    EXPECT_TRUE(document->Saved());
}

TEST_F(ModbusConfigWindowTest, PicturesOfEachPage)
{
    TModbusKavroConfig config = document->GetAllConfig();
    config.Email.Enable = true;
    config.Email.Server = "smtp.example.com";
    config.Email.From = "kavro@example.com";
    config.Email.RecipientCount = 2;
    config.Email.Recipients[0] = "ops@example.com";
    config.Email.Recipients[1] = "night@example.com";
    config.TagCount = 3;
    config.Tags[0] = HoldingTag("TEMP1", 1);
    config.Tags[1] = HoldingTag("TEMP2", 12345);
    config.Tags[2].Name = "_ALARM";
    config.Tags[2].Source = kSourceInternal;
    config.Tags[2].TagType = kModbusSingleBit;
    config.Tags[2].RegisterTable = kInputStatus;
    config.Tags[2].ReadOnly = true;
    document->SetAllConfig(config);
    document->resize(900, 480);
    for (int page = 0; page < 3; ++page) {
        ShowPage(page);
        SavePicture(*document, QStringLiteral("modbus_document_page%1").arg(page + 1));
    }
}

}  // namespace
}  // namespace qvs::app
