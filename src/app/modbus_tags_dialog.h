#pragma once

#include "modbus_tag_editor_rules.h"
#include "tag_records.h"

#include <QDialog>

#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace qvs::app {

class IPrompts;
class TfrmInternalTags;

// The Modbus tag editor: adds one tag or edits one, on four pages. A view of the editor rules
// (modbus_tag_editor_rules.h): every change of a control goes to the rules and the controls show
// the result.
//
// Calling protocol: set EditMode and, in edit mode, TagConfig; show the dialog modally; after
// Accepted TagConfig holds the tag entered, after Rejected it is unchanged.
class TfrmModbusTags : public QDialog {
    Q_OBJECT
public:
    TfrmModbusTags(IPrompts& prompts, TfrmInternalTags& internalTags, QWidget* parent = nullptr);

    bool EditMode = false;
    TModbusTagConfig TagConfig;
    TAlarmMode AlarmMode() const { return m_editor.AlarmMode; }

    // The list texts of the Modbus enumerations, as the document's tag list shows them.
    static std::string GetSourceText(int code);
    static std::string GetTypeText(int code);
    static std::string GetScaleText(int code);
    static std::string GetModbusFunctionText(int code);
    static uint8_t GetSourceValue(const std::string& text);
    static uint8_t GetTypeValue(const std::string& text);
    static uint8_t GetScaleValue(const std::string& text);
    static uint8_t GetModbusFunctionValue(const std::string& text);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildConfigurationPage();
    QWidget* BuildValuePage();
    QWidget* BuildAlarmPage();
    QWidget* BuildScalePage();
    void ConnectControls();

    // Controls from the editor state, without running any rule.
    void ShowEditor();
    void Change(ModbusTagControl control);
    void PageOpened(int index);
    void InternalClicked();
    void OkClicked();
    void ShowFailure(const TTagEditorFailure& failure);
    QString AddressValue() const;

    IPrompts& m_prompts;
    TfrmInternalTags& m_internalTags;
    TModbusTagEditor m_editor;
    bool m_showing = false;  // controls are being set from the state

    QTabWidget* m_pages;
    QComboBox* m_source;
    QLineEdit* m_name;
    QPushButton* m_internal;
    QLineEdit* m_unitId;
    QComboBox* m_type;
    QComboBox* m_table;
    QLineEdit* m_address;
    QLineEdit* m_bitPosition;
    QCheckBox* m_enron;
    QCheckBox* m_readOnly;
    QCheckBox* m_writeLimits;
    QLineEdit* m_minWrite;
    QLineEdit* m_maxWrite;
    QCheckBox* m_alarmEnable;
    QRadioButton* m_positive;
    QRadioButton* m_negative;
    QLabel* m_positivePicture;
    QLabel* m_negativePicture;
    QLineEdit* m_lowestAlarm;
    QLineEdit* m_highestAlarm;
    QCheckBox* m_sendEmail;
    QComboBox* m_scale;
    QLineEdit* m_factorA;
    QLineEdit* m_factorB;
    QLabel* m_unitIdLabel;
    QLabel* m_typeLabel;
    QLabel* m_tableLabel;
    QLabel* m_addressLabel;
    QLabel* m_bitPositionLabel;
    QLabel* m_minWriteLabel;
    QLabel* m_maxWriteLabel;
    QLabel* m_lowestLabel;
    QLabel* m_highestLabel;
    QLabel* m_scaleLabel;
    QLabel* m_factorALabel;
    QLabel* m_factorBLabel;
};

}  // namespace qvs::app
