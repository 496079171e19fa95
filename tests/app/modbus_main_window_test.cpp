#include "config_documents.h"
#include "main_window_fixture.h"
#include "modbus_config_window.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

namespace qvs::app::testing {
namespace {

// The main window with the real Modbus document and its dialogs.
class ModbusMainWindowTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        RegisterModbusDocuments(Registry, Prompts, *Window);
    }

    TMDIModbusConfig* NewModbus()
    {
        auto* doc = qobject_cast<TMDIModbusConfig*>(Window->NewDocument(DocumentKind::ModbusConfig));
        Update();
        return doc;
    }

    void ExpectEditor(const QString& name, const QString& caption)
    {
        Prompts.ExpectDialog("frmModbusTags", [=](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), caption);
            auto type = [&](const char* field, const QString& text) {
                auto* edit = dialog.findChild<QLineEdit*>(field);
                edit->clear();
                QTest::keyClicks(edit, text);
            };
            type("txtTagName", name);
            type("txtUnitID", "1");
            type("txtAddress", "0001");
            Click(dialog, "btnOk");
            return dialog.result();
        });
    }

    void Trigger(const char* action)
    {
        Window->Action(action)->trigger();
        Update();
    }
};

TEST_F(ModbusMainWindowTest, TagActionsAddEditAndRemoveOnTheTagPage)
{
    TMDIModbusConfig* doc = NewModbus();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->windowTitle(), "Kavro Modbus Configuration - noname1.kvr");
    EXPECT_FALSE(Enabled("ConfigurationAddTag"));
    doc->findChild<QTabWidget*>("pgcConfig")->setCurrentIndex(2);
    Update();
    EXPECT_TRUE(Enabled("ConfigurationAddTag"));
    EXPECT_FALSE(Enabled("ConfigurationEditTag") || Enabled("ConfigurationRemoveTag"));

    ExpectEditor("PUMP", "Add Modbus Tag");
    Trigger("ConfigurationAddTag");
    ExpectEditor("PUMP", "Add Modbus Tag");
    Prompts.ExpectMessage(PromptKind::Error, "The Tag PUMP already exists.");
    ExpectEditor("VALVE", "Edit Modbus Tag");
    Trigger("ConfigurationAddTag");
    auto* tags = doc->findChild<QTreeWidget*>("lstTags");
    ASSERT_EQ(tags->topLevelItemCount(), 2);
    EXPECT_TRUE(doc->windowTitle().endsWith("*"));
    EXPECT_FALSE(Enabled("ConfigurationEditTag"));

    tags->setCurrentItem(tags->topLevelItem(1));
    Update();
    EXPECT_TRUE(Enabled("ConfigurationEditTag") && Enabled("ConfigurationRemoveTag"));
    // Its own name is fine; another tag's is not.
    ExpectEditor("VALVE", "Edit Modbus Tag");
    Trigger("ConfigurationEditTag");
    ExpectEditor("PUMP", "Edit Modbus Tag");
    Prompts.ExpectMessage(PromptKind::Error, "The Tag PUMP already exists.");
    Prompts.ExpectDialog("frmModbusTags", [](QDialog& dialog) {
        Click(dialog, "btnCancel");
        return dialog.result();
    });
    Trigger("ConfigurationEditTag");
    EXPECT_EQ(tags->topLevelItem(1)->text(0), "VALVE");

    Prompts.ExpectMessage(PromptKind::Confirmation, "Are you sure to delete the Tag \"VALVE\"", PromptAnswer::No);
    Trigger("ConfigurationRemoveTag");
    EXPECT_EQ(tags->topLevelItemCount(), 2);
    Prompts.ExpectMessage(PromptKind::Confirmation, "Are you sure to delete the Tag \"VALVE\"", PromptAnswer::Yes);
    Trigger("ConfigurationRemoveTag");
    EXPECT_EQ(tags->topLevelItemCount(), 1);
    EXPECT_FALSE(Enabled("ConfigurationEditTag"));
    // Closing at the end asks to save the changed document (the fixture answers No).
}

TEST_F(ModbusMainWindowTest, OpenFileRecognisesAModbusFileByContent)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("plant.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[general]\r\nfiletype = MB\r\nFILEVERSION=1.0\r\n"
               "[COM]\r\nCOMTYPE=1\r\nBAUD=19200\r\nPARITY=2\r\nFORMAT=1\r\nSCANTIME=250\r\nMSGTOUT=500\r\n"
               "PKTTOUT=6\r\n[SMTP]\r\nENABLE=0\r\nTIMEOUT=20\r\nRETRIES=5\r\nRETRYINT=10\r\n");
    file.close();
    Window->OpenFile(path);
    Update();
    ASSERT_EQ(Window->Documents().size(), 1);
    auto* doc = qobject_cast<TMDIModbusConfig*>(Window->Documents().first());
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->FileName(), path);
    EXPECT_TRUE(doc->Saved());
    EXPECT_EQ(doc->windowTitle(), "Kavro Modbus Configuration - " + path);
    EXPECT_EQ(doc->GetAllConfig().BaudRate, 4);
    EXPECT_EQ(doc->GetAllConfig().ScanTime, 250);
}

}  // namespace
}  // namespace qvs::app::testing
