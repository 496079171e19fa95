#include "input_integer_dialog.h"
#include "internal_tags_dialog.h"
#include "modbus_tags_dialog.h"
#include "number_text.h"
#include "scripted_prompts.h"
#include "widget_pictures.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

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

void Type(QWidget& parent, const char* field, const QString& text)
{
    auto* edit = Find<QLineEdit>(parent, field);
    edit->clear();
    QTest::keyClicks(edit, text);
}

void Choose(QWidget& parent, const char* list, const char* item)
{
    auto* box = Find<QComboBox>(parent, list);
    const int index = box->findText(QString::fromUtf8(item));
    ASSERT_GE(index, 0) << item;
    box->setCurrentIndex(index);
}

void Tick(QWidget& parent, const char* box, bool checked)
{
    auto* button = Find<QAbstractButton>(parent, box);
    QApplication::processEvents();  // lay out a page just brought forward
    // On the indicator: a box's label may not fill its whole width.
    if (button->isChecked() != checked)
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

QString Sep() { return QString(QChar(SystemDecimalSeparator())); }
QString OtherSep() { return SystemDecimalSeparator() == '.' ? QStringLiteral(",") : QStringLiteral("."); }

class ModbusTagsDialogTest : public ::testing::Test {
protected:
    ModbusTagsDialogTest() : editor(prompts, picker) {}
    ~ModbusTagsDialogTest() override { prompts.VerifyDone(); }

    // Shows the editor as its callers do; add mode unless told otherwise.
    void Open(bool editMode = false)
    {
        editor.EditMode = editMode;
        editor.show();
    }

    // A valid holding-register entry.
    void TypeSerialTag()
    {
        Type(editor, "txtTagName", "temp1");
        Type(editor, "txtUnitID", "1");
        Type(editor, "txtAddress", "0001");
    }

    bool PressOk()
    {
        editor.setResult(QDialog::Rejected);
        Click(editor, "btnOk");
        return editor.result() == QDialog::Accepted;
    }

    int Page() { return Find<QTabWidget>(editor, "pgcTag")->currentIndex(); }

    ScriptedPrompts prompts;
    TfrmInternalTags picker;
    TfrmModbusTags editor;
};

TEST_F(ModbusTagsDialogTest, AddModeShowsTheClearedEntry)
{
    Open();
    EXPECT_EQ(editor.windowTitle(), "Add Modbus Tag");
    EXPECT_EQ(Page(), 0);
    EXPECT_EQ(editor.focusWidget(), Find(editor, "cboSource"));
    EXPECT_EQ(Find<QComboBox>(editor, "cboSource")->currentText(), "Modbus Serial");
    EXPECT_EQ(Find<QComboBox>(editor, "cboSource")->count(), 5);
    EXPECT_EQ(Find<QComboBox>(editor, "cboType")->currentText(), "Unsigned int");
    EXPECT_EQ(Find<QComboBox>(editor, "cboModbusFunction")->currentText(), "Holding Register");
    EXPECT_EQ(Find<QLineEdit>(editor, "txtAddress")->displayText(), "4     ");
    for (const char* name : {"txtUnitID", "cboType", "cboModbusFunction", "txtAddress", "lblUnitID"})
        EXPECT_TRUE(Find(editor, name)->isEnabled()) << name;
    for (const char* name : {"txtBitPosition", "chk32Bit", "txtMinWrite", "txtMaxWrite", "chkSendEMail",
                             "txtLowestAlarm", "txtHighestAlarm", "txtFactorA", "txtFactorB", "btnInternal",
                             "lblBitPosition"})
        EXPECT_FALSE(Find(editor, name)->isEnabled()) << name;
    EXPECT_EQ(editor.AlarmMode(), TAlarmMode::Value);
    EXPECT_FALSE(Find(editor, "txtLowestAlarm")->isHidden());
    EXPECT_TRUE(Find(editor, "rdoPositive")->isHidden());
}

TEST_F(ModbusTagsDialogTest, KeyFiltersAndUpperCaseNames)
{
    Open();
    Type(editor, "txtTagName", "tank_1 level9999");
    EXPECT_EQ(Find<QLineEdit>(editor, "txtTagName")->text(), "TANK_1 LEVEL999");  // 15 at most
    Type(editor, "txtUnitID", "1a-2.34");
    EXPECT_EQ(Find<QLineEdit>(editor, "txtUnitID")->text(), "123");
    Choose(editor, "cboType", "Float");
    Tick(editor, "chkWriteLimits", true);
    Type(editor, "txtMinWrite", "-1x,5e.");
    EXPECT_EQ(Find<QLineEdit>(editor, "txtMinWrite")->text(), "-1,5.");
    Type(editor, "txtAddress", "12a34");
    EXPECT_EQ(Find<QLineEdit>(editor, "txtAddress")->displayText(), "41234 ");
}

struct AddressCase {
    const char* typed;
    const char* warning;
    const char* error;
    int32_t stored;
    const char* shownAgain;
};

TEST_F(ModbusTagsDialogTest, AddressFormsWarningAndStoredValue)
{
    const char* converted =
        "The entered Address will be converted in its equivalent value expressed in the 5 digits Format.";
    const AddressCase cases[] = {
        {"001", converted, nullptr, 1, "40001 "},
        {"12345", nullptr, nullptr, 12345, "412345"},
        {"00123", converted, nullptr, 123, "40123 "},
        {"65537", nullptr, "In 6 digit format, Address must be between 00001 and 65536.", 0, nullptr},
        {"12", nullptr, "Register Address must be complete.", 0, nullptr},
        {"", nullptr, "Register Address must be provided.", 0, nullptr},
    };
    for (const AddressCase& c : cases) {
        SCOPED_TRACE(c.typed);
        Open();
        TypeSerialTag();
        Type(editor, "txtAddress", c.typed);
        if (c.warning) prompts.ExpectMessage(PromptKind::Warning, c.warning);
        if (c.error) prompts.ExpectMessage(PromptKind::Error, c.error);
        const bool accepted = PressOk();
        EXPECT_EQ(accepted, c.error == nullptr);
        editor.hide();
        if (!accepted) {
            EXPECT_EQ(editor.focusWidget(), Find(editor, "txtAddress"));
            continue;
        }
        EXPECT_EQ(editor.TagConfig.Address, c.stored);
        EXPECT_EQ(editor.TagConfig.Name, "TEMP1");
        Open(true);
        EXPECT_EQ(editor.windowTitle(), "Edit Modbus Tag");
        EXPECT_EQ(Find<QLineEdit>(editor, "txtAddress")->displayText(), c.shownAgain);
        editor.hide();
    }
}

TEST_F(ModbusTagsDialogTest, RegisterTableLocksTypeAndReadAccess)
{
    Open();
    Choose(editor, "cboModbusFunction", "Coil Status");
    EXPECT_EQ(Find<QComboBox>(editor, "cboType")->currentText(), "Single bit");
    EXPECT_FALSE(Find(editor, "cboType")->isEnabled());
    EXPECT_EQ(Find<QLineEdit>(editor, "txtAddress")->displayText(), "0     ");
    Choose(editor, "cboModbusFunction", "Holding Register");
    EXPECT_EQ(Find<QComboBox>(editor, "cboType")->currentText(), "Unsigned int");
    EXPECT_TRUE(Find(editor, "cboType")->isEnabled());

    Tick(editor, "chkWriteLimits", true);
    EXPECT_TRUE(Find(editor, "txtMinWrite")->isEnabled());
    Choose(editor, "cboModbusFunction", "Input Register");
    EXPECT_TRUE(Find<QCheckBox>(editor, "chkReadOnly")->isChecked());
    EXPECT_FALSE(Find(editor, "chkReadOnly")->isEnabled());
    EXPECT_FALSE(Find<QCheckBox>(editor, "chkWriteLimits")->isChecked());
    EXPECT_FALSE(Find(editor, "chkWriteLimits")->isEnabled());
    EXPECT_FALSE(Find(editor, "txtMinWrite")->isEnabled());
    EXPECT_EQ(Find<QLineEdit>(editor, "txtAddress")->displayText(), "3     ");
}

TEST_F(ModbusTagsDialogTest, SourceChangesLockTheAddressPart)
{
    Open();
    Choose(editor, "cboSource", "Kavro Input");
    for (const char* name : {"txtUnitID", "txtAddress", "cboType", "cboModbusFunction", "btnInternal", "chkReadOnly"})
        EXPECT_FALSE(Find(editor, name)->isEnabled()) << name;
    EXPECT_TRUE(Find(editor, "txtBitPosition")->isEnabled());
    EXPECT_EQ(Find<QComboBox>(editor, "cboType")->currentText(), "Single bit");
    EXPECT_EQ(editor.AlarmMode(), TAlarmMode::Edge);
    Choose(editor, "cboSource", "Kavro Output");
    EXPECT_TRUE(Find(editor, "chkReadOnly")->isEnabled());
    Choose(editor, "cboSource", "Internal");
    EXPECT_TRUE(Find(editor, "btnInternal")->isEnabled());
    EXPECT_FALSE(Find(editor, "txtBitPosition")->isEnabled());
}

TEST_F(ModbusTagsDialogTest, WordBitIsDigitalWithEdgesAndNoScale)
{
    Open();
    Choose(editor, "cboScale", "Linear (Ax+B)");
    Choose(editor, "cboType", "Word bit");
    EXPECT_EQ(Find<QComboBox>(editor, "cboScale")->currentText(), "None");
    EXPECT_FALSE(Find(editor, "cboScale")->isEnabled());
    EXPECT_TRUE(Find(editor, "txtBitPosition")->isEnabled());
    Find<QTabWidget>(editor, "pgcTag")->setCurrentIndex(2);
    EXPECT_TRUE(Find(editor, "rdoPositive")->isVisible());
    EXPECT_TRUE(Find(editor, "imgPositive")->isVisible());
    EXPECT_FALSE(Find(editor, "txtLowestAlarm")->isVisible());
    EXPECT_FALSE(Find(editor, "rdoPositive")->isEnabled());
    Tick(editor, "chkAlarmEnable", true);
    EXPECT_TRUE(Find(editor, "rdoPositive")->isEnabled());
    EXPECT_TRUE(Find(editor, "chkSendEMail")->isEnabled());
    EXPECT_TRUE(Find<QRadioButton>(editor, "rdoPositive")->isChecked());
    Tick(editor, "rdoNegative", true);

    Type(editor, "txtTagName", "FLAG");
    Type(editor, "txtUnitID", "2");
    Type(editor, "txtAddress", "0010");
    Type(editor, "txtBitPosition", "15");
    EXPECT_TRUE(PressOk());
    EXPECT_EQ(editor.TagConfig.BitPosition, 15);
    EXPECT_FALSE(editor.TagConfig.AlarmMin.AsDigital);
    EXPECT_TRUE(editor.TagConfig.AlarmMax.AsDigital);
    EXPECT_EQ(editor.TagConfig.Kind, kKindDigital);
}

TEST_F(ModbusTagsDialogTest, IntegerBoundsByType)
{
    Open();
    TypeSerialTag();
    Tick(editor, "chkWriteLimits", true);
    Type(editor, "txtMinWrite", "-1");
    Type(editor, "txtMaxWrite", "10");
    prompts.ExpectMessage(PromptKind::Error, "Write Limits must be between 0 and 65535 for the selected type.");
    EXPECT_FALSE(PressOk());
    EXPECT_EQ(Page(), 1);
    EXPECT_EQ(editor.focusWidget(), Find(editor, "txtMinWrite"));
    EXPECT_EQ(Find<QLineEdit>(editor, "txtMinWrite")->text(), "-1");  // as entered

    Tick(editor, "chkWriteLimits", false);
    Choose(editor, "cboType", "Signed int");
    Tick(editor, "chkAlarmEnable", true);
    Type(editor, "txtLowestAlarm", "-32769");
    Type(editor, "txtHighestAlarm", "0");
    prompts.ExpectMessage(PromptKind::Error,
                          "Alarm Range Values must be between -32768 and 32767 for the selected type.");
    EXPECT_FALSE(PressOk());
    EXPECT_EQ(Page(), 2);
    Type(editor, "txtLowestAlarm", "-32768");
    EXPECT_TRUE(PressOk());
    EXPECT_EQ(editor.TagConfig.AlarmMin.AsInteger, -32768);
    EXPECT_EQ(editor.TagConfig.Kind, kKindInteger);
}

TEST_F(ModbusTagsDialogTest, FloatLimitsTakeTheSystemSeparatorOnly)
{
    Open();
    TypeSerialTag();
    Choose(editor, "cboType", "Float");
    EXPECT_TRUE(Find(editor, "chk32Bit")->isEnabled());
    Tick(editor, "chkWriteLimits", true);
    Type(editor, "txtMinWrite", "0" + Sep() + "5");
    Type(editor, "txtMaxWrite", "1" + OtherSep() + "5");
    prompts.ExpectMessage(PromptKind::Error, "Writing Limits are not valid");
    EXPECT_FALSE(PressOk());
    Type(editor, "txtMaxWrite", "0" + Sep() + "5");
    prompts.ExpectMessage(PromptKind::Error, "Writing Limits are not valid");
    EXPECT_FALSE(PressOk());
    Type(editor, "txtMaxWrite", "1" + Sep() + "25");
    EXPECT_TRUE(PressOk());
    EXPECT_FLOAT_EQ(editor.TagConfig.WriteMin.AsFloat, 0.5f);
    EXPECT_FLOAT_EQ(editor.TagConfig.WriteMax.AsFloat, 1.25f);
    EXPECT_EQ(editor.TagConfig.Kind, kKindFloat);
}

TEST_F(ModbusTagsDialogTest, ScaledIntegerStoresFloats)
{
    Open();
    TypeSerialTag();
    Find<QTabWidget>(editor, "pgcTag")->setCurrentIndex(3);
    EXPECT_TRUE(Find(editor, "cboScale")->isEnabled());
    Choose(editor, "cboScale", "Linear (Ax+B)");
    EXPECT_TRUE(Find(editor, "txtFactorA")->isEnabled());
    Type(editor, "txtFactorA", "2");
    Type(editor, "txtFactorB", "-1" + Sep() + "5");
    Tick(editor, "chkWriteLimits", true);
    Type(editor, "txtMinWrite", "-100");
    Type(editor, "txtMaxWrite", "100000");
    EXPECT_TRUE(PressOk());
    EXPECT_EQ(editor.TagConfig.Kind, kKindFloat);
    EXPECT_FLOAT_EQ(editor.TagConfig.WriteMax.AsFloat, 100000.f);
    EXPECT_FLOAT_EQ(editor.TagConfig.FactorB, -1.5f);
}

TEST_F(ModbusTagsDialogTest, InternalNamesComeFromThePicker)
{
    Open();
    Choose(editor, "cboSource", "Internal");
    Type(editor, "txtTagName", "_ALARMX");
    prompts.ExpectMessage(PromptKind::Error, "Unrecognized Internal Tag Name.");
    EXPECT_FALSE(PressOk());
    EXPECT_EQ(editor.focusWidget(), Find(editor, "txtTagName"));

    prompts.ExpectDialog("frmInternalTags", [](QDialog& dialog) {
        Click(dialog, "btnCancel");
        return dialog.result();
    });
    Click(editor, "btnInternal");
    EXPECT_EQ(Find<QLineEdit>(editor, "txtTagName")->text(), "_ALARMX");

    prompts.ExpectDialog("frmInternalTags", [](QDialog& dialog) {
        auto* list = dialog.findChild<QTreeWidget*>("lstInternalTags");
        list->setCurrentItem(list->topLevelItem(1));
        Click(dialog, "btnOk");
        return dialog.result();
    });
    Click(editor, "btnInternal");
    EXPECT_EQ(Find<QLineEdit>(editor, "txtTagName")->text(), "_ALARM");
    EXPECT_TRUE(PressOk());
    EXPECT_EQ(editor.TagConfig.Source, kSourceInternal);
    EXPECT_EQ(editor.TagConfig.Name, "_ALARM");
    EXPECT_TRUE(editor.TagConfig.ReadOnly);
}

TEST_F(ModbusTagsDialogTest, KavroOutputMayBeWritableAndBitsStopAtSeven)
{
    Open();
    Choose(editor, "cboSource", "Kavro Output");
    Type(editor, "txtTagName", "RELAY");
    Type(editor, "txtBitPosition", "8");
    prompts.ExpectMessage(PromptKind::Error, "Bit Position must be between 0 and 7.");
    EXPECT_FALSE(PressOk());
    Type(editor, "txtBitPosition", "7");
    EXPECT_TRUE(PressOk());
    EXPECT_FALSE(editor.TagConfig.ReadOnly);
    EXPECT_EQ(editor.TagConfig.RegisterTable, kCoilStatus);
}

TEST_F(ModbusTagsDialogTest, AnalogInputConversionFailureKeepsTheDialogOpen)
{
    TModbusTagConfig before;
    before.Name = "KEEP";
    before.UnitId = 1;
    before.Address = 1;
    before.Kind = kKindInteger;
    editor.TagConfig = before;
    Open(true);
    Find<QComboBox>(editor, "cboSource")->setCurrentIndex(kSourceAnalogInput);
    Type(editor, "txtTagName", "AIN");
    Type(editor, "txtBitPosition", "0");
    Tick(editor, "chkAlarmEnable", true);
    Type(editor, "txtLowestAlarm", "1-");
    Type(editor, "txtHighestAlarm", "10");
    prompts.ExpectMessage(PromptKind::Error, "'1-' is not a valid integer value");
    EXPECT_FALSE(PressOk());
    EXPECT_EQ(editor.TagConfig, before);
    EXPECT_EQ(Page(), 2);
    EXPECT_EQ(Find<QLineEdit>(editor, "txtLowestAlarm")->text(), "1-");
}

TEST_F(ModbusTagsDialogTest, CancelKeepsTagConfig)
{
    TModbusTagConfig before;
    before.Name = "KEEP";
    before.UnitId = 3;
    before.Address = 7;
    before.Kind = kKindInteger;
    editor.TagConfig = before;
    Open(true);
    EXPECT_EQ(Find<QLineEdit>(editor, "txtTagName")->text(), "KEEP");
    EXPECT_EQ(Find<QLineEdit>(editor, "txtUnitID")->text(), "3");
    Type(editor, "txtTagName", "OTHER");
    Click(editor, "btnCancel");
    EXPECT_EQ(editor.result(), QDialog::Rejected);
    EXPECT_EQ(editor.TagConfig, before);
}

TEST_F(ModbusTagsDialogTest, PicturesOfEachPage)
{
    Open();
    TypeSerialTag();
    Choose(editor, "cboType", "Word bit");
    auto* pages = Find<QTabWidget>(editor, "pgcTag");
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        if (page == 2) Tick(editor, "chkAlarmEnable", true);
        SavePicture(editor, QStringLiteral("modbus_tag_editor_page%1").arg(page + 1));
    }
    Choose(editor, "cboType", "Signed int");
    pages->setCurrentIndex(2);
    SavePicture(editor, QStringLiteral("modbus_tag_editor_page3_limits"));
}

TEST(InternalTagsDialog, SelectionDescriptionAndOk)
{
    TfrmInternalTags picker;
    picker.show();
    EXPECT_EQ(picker.windowTitle(), "Select Internal Tag");
    auto* list = Find<QTreeWidget>(picker, "lstInternalTags");
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->headerItem()->text(0), "Tag Name");
    EXPECT_EQ(list->headerItem()->text(1), "Type");
    EXPECT_EQ(list->topLevelItem(0)->text(0), "_COMMERROR");
    EXPECT_EQ(list->topLevelItem(2)->text(1), "Digital");

    auto* ok = Find<QPushButton>(picker, "btnOk");
    EXPECT_FALSE(ok->isEnabled());
    picker.setResult(QDialog::Rejected);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(picker.isVisible());  // nothing selected: stays open
    EXPECT_EQ(picker.SelectedTag(), "");

    list->setCurrentItem(list->topLevelItem(2));
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(Find<QLabel>(picker, "lblDescription")->text(),
              "The Value of the Tag \"_ALARMNAK\" becomes 1 when any other Tag (except Internal Tags) "
              "are in Not Acknowledged Alarm State.");
    SavePicture(picker, QStringLiteral("internal_tags_picker"));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.SelectedTag(), "_ALARMNAK");

    // Shown again, it keeps the selection.
    picker.show();
    EXPECT_EQ(list->currentItem(), list->topLevelItem(2));
    list->clearSelection();
    EXPECT_FALSE(ok->isEnabled());
}

TEST(InputIntegerDialog, BoundsAreInclusiveAndEverythingElseIsRefused)
{
    ScriptedPrompts prompts;
    TfrmInputInteger dialog(prompts);
    dialog.Title = "Message Timeout (ms)";
    dialog.MinValue = 10;
    dialog.MaxValue = 2000;
    dialog.Value = 1000;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Message Timeout (ms)");
    EXPECT_EQ(Find<QLabel>(dialog, "lblValue")->text(), "Message Timeout (ms)");
    auto* field = Find<QLineEdit>(dialog, "txtValue");
    EXPECT_EQ(field->text(), "1000");
    EXPECT_EQ(dialog.focusWidget(), field);
    SavePicture(dialog, QStringLiteral("input_integer"));

    const QString message = "Not a valid value.\r\nPlease enter a value between 10 and 2000.";
    for (const char* refused : {"5", "2001", "", "123456789"}) {
        SCOPED_TRACE(refused);
        Type(dialog, "txtValue", refused);
        prompts.ExpectMessage(PromptKind::Error, message);
        dialog.setResult(QDialog::Rejected);
        Click(dialog, "btnOk");
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(dialog.Value, 1000);
    }
    Type(dialog, "txtValue", "-1x5");
    EXPECT_EQ(field->text(), "15");
    for (int accepted : {10, 2000}) {
        dialog.show();
        Type(dialog, "txtValue", QString::number(accepted));
        Click(dialog, "btnOk");
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.Value, accepted);
    }
    dialog.show();
    Type(dialog, "txtValue", "500");
    Click(dialog, "btnCancel");
    EXPECT_EQ(dialog.Value, 2000);
    prompts.VerifyDone();
}

}  // namespace
}  // namespace qvs::app
