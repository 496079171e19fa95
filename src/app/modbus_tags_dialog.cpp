#include "modbus_tags_dialog.h"

#include "config_window_texts.h"
#include "edge_pictures.h"
#include "internal_tags_dialog.h"
#include "key_filters.h"
#include "prompts.h"
#include "tag_editor_texts.h"
#include "tag_lists.h"
#include "widget_building.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qvs::app {

namespace t = texts::modbus_editor;

using namespace widgets;

namespace {

QLabel* Label(QWidget* parent, const char* name, const char* text, QWidget* buddy)
{
    auto* label = Named(new QLabel(Text(text), parent), name);
    label->setBuddy(buddy);
    return label;
}

// The address masks by register table: the table digit, fixed, then five optional positions
// that take a digit or a sign; empty positions show as blanks.
QString AddressMask(int table)
{
    const char digit = ModbusTableDigit(table);
    return (digit == '0' ? QStringLiteral("\\0") : QString(QChar(digit))) + QStringLiteral("#####; ");
}

void SetEnabled(bool enabled, std::initializer_list<QWidget*> widgets)
{
    for (QWidget* widget : widgets) widget->setEnabled(enabled);
}

void SetVisible(bool visible, std::initializer_list<QWidget*> widgets)
{
    for (QWidget* widget : widgets) widget->setVisible(visible);
}

QWidget* Page(QTabWidget* pages, const char* name, const char* caption, QGroupBox*& group,
              const char* groupTitle)
{
    auto* page = Named(new QWidget(pages), name);
    group = new QGroupBox(Text(groupTitle), page);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    pages->addTab(page, Text(caption));
    return page;
}

}  // namespace

TfrmModbusTags::TfrmModbusTags(IPrompts& prompts, TfrmInternalTags& internalTags, QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_internalTags(internalTags)
{
    setObjectName(QStringLiteral("frmModbusTags"));
    setWindowTitle(Text(texts::kAddModbusTag));

    m_pages = Named(new QTabWidget(this), "pgcTag");
    BuildConfigurationPage();
    BuildValuePage();
    BuildAlarmPage();
    BuildScalePage();

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = Named(buttons->addButton(QDialogButtonBox::Ok), "btnOk");
    ok->setDefault(true);
    QPushButton* cancel = Named(buttons->addButton(QDialogButtonBox::Cancel), "btnCancel");
    connect(ok, &QPushButton::clicked, this, &TfrmModbusTags::OkClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);

    ConnectControls();
    m_editor = ModbusTagEditorForAdd();
    ShowEditor();
    resize(430, 380);
}

QWidget* TfrmModbusTags::BuildConfigurationPage()
{
    QGroupBox* group = nullptr;
    QWidget* page = Page(m_pages, "tbsConfiguration", t::kPageConfiguration, group, t::kGroupConfiguration);

    m_source = List(group, "cboSource", lists::kModbusSource);
    m_name = Field(group, "txtTagName", 15);
    m_internal = Named(new QPushButton(Text(t::kInternal), group), "btnInternal");
    m_internal->setFixedWidth(28);
    m_unitId = Field(group, "txtUnitID", 3);
    m_type = List(group, "cboType", lists::kModbusType);
    m_table = List(group, "cboModbusFunction", lists::kModbusRegisterTable);
    m_address = Field(group, "txtAddress");
    m_bitPosition = Field(group, "txtBitPosition", 2);
    m_enron = Named(new QCheckBox(Text(t::kEnron), group), "chk32Bit");
    TypedKeyFilter* digits = TypedKeyFilter::Digits(this);
    digits->Attach(m_unitId);
    digits->Attach(m_bitPosition);

    m_unitIdLabel = Label(group, "lblUnitID", t::kUnitId, m_unitId);
    m_typeLabel = Label(group, "lblType", t::kType, m_type);
    m_tableLabel = Label(group, "lblModbusFunction", t::kRegisterTable, m_table);
    m_addressLabel = Label(group, "lblAddress", t::kAddress, m_address);
    m_bitPositionLabel = Label(group, "lblBitPosition", t::kBitPosition, m_bitPosition);

    auto* grid = new QGridLayout(group);
    grid->addWidget(Label(group, "lblSource", t::kSource, m_source), 0, 0);
    grid->addWidget(m_source, 0, 1, 1, 2);
    grid->addWidget(Label(group, "lblTagName", t::kTagName, m_name), 1, 0);
    grid->addWidget(m_name, 1, 1);
    grid->addWidget(m_internal, 1, 2);
    grid->addWidget(m_unitIdLabel, 2, 0);
    grid->addWidget(m_unitId, 2, 1);
    grid->addWidget(m_typeLabel, 3, 0);
    grid->addWidget(m_type, 3, 1, 1, 2);
    grid->addWidget(m_tableLabel, 4, 0);
    grid->addWidget(m_table, 4, 1, 1, 2);
    grid->addWidget(m_addressLabel, 5, 0);
    grid->addWidget(m_address, 5, 1);
    grid->addWidget(m_bitPositionLabel, 6, 0);
    grid->addWidget(m_bitPosition, 6, 1);
    grid->addWidget(m_enron, 7, 0, 1, 3);
    grid->setRowStretch(8, 1);
    return page;
}

QWidget* TfrmModbusTags::BuildValuePage()
{
    QGroupBox* group = nullptr;
    QWidget* page = Page(m_pages, "tbsValue", t::kPageValue, group, t::kGroupValue);
    m_readOnly = Named(new QCheckBox(Text(t::kReadOnly), group), "chkReadOnly");
    m_writeLimits = Named(new QCheckBox(Text(t::kWriteLimits), group), "chkWriteLimits");
    m_minWrite = Field(group, "txtMinWrite");
    m_maxWrite = Field(group, "txtMaxWrite");
    TypedKeyFilter* number = TypedKeyFilter::Number(this);
    number->Attach(m_minWrite);
    number->Attach(m_maxWrite);
    m_minWriteLabel = Label(group, "lblMinWrite", t::kMinWrite, m_minWrite);
    m_maxWriteLabel = Label(group, "lblMaxWrite", t::kMaxWrite, m_maxWrite);

    auto* grid = new QGridLayout(group);
    grid->addWidget(m_readOnly, 0, 0, 1, 2);
    grid->addWidget(m_writeLimits, 1, 0, 1, 2);
    grid->addWidget(m_minWriteLabel, 2, 0);
    grid->addWidget(m_minWrite, 2, 1);
    grid->addWidget(m_maxWriteLabel, 3, 0);
    grid->addWidget(m_maxWrite, 3, 1);
    grid->setRowStretch(4, 1);
    return page;
}

QWidget* TfrmModbusTags::BuildAlarmPage()
{
    QGroupBox* group = nullptr;
    QWidget* page = Page(m_pages, "tbsAlarm", t::kPageAlarm, group, t::kGroupAlarm);
    m_alarmEnable = Named(new QCheckBox(Text(t::kAlarmEnable), group), "chkAlarmEnable");
    m_positive = Named(new QRadioButton(Text(t::kPositiveEdge), group), "rdoPositive");
    m_negative = Named(new QRadioButton(Text(t::kNegativeEdge), group), "rdoNegative");
    m_positivePicture = Named(new QLabel(group), "imgPositive");
    m_positivePicture->setPixmap(EdgePicture(true));
    m_negativePicture = Named(new QLabel(group), "imgNegative");
    m_negativePicture->setPixmap(EdgePicture(false));
    m_lowestAlarm = Field(group, "txtLowestAlarm");
    m_highestAlarm = Field(group, "txtHighestAlarm");
    TypedKeyFilter* number = TypedKeyFilter::Number(this);
    number->Attach(m_lowestAlarm);
    number->Attach(m_highestAlarm);
    m_lowestLabel = Label(group, "lblLowestAlarm", t::kLowerLimit, m_lowestAlarm);
    m_highestLabel = Label(group, "lblHighestAlarm", t::kUpperLimit, m_highestAlarm);
    auto* action = Named(new QGroupBox(Text(t::kAction), group), "grpAction");
    m_sendEmail = Named(new QCheckBox(Text(t::kSendEmail), action), "chkSendEMail");
    auto* actionLayout = new QVBoxLayout(action);
    actionLayout->addWidget(m_sendEmail);

    auto* grid = new QGridLayout(group);
    grid->addWidget(m_alarmEnable, 0, 0, 1, 3);
    grid->addWidget(m_positive, 1, 0, 1, 2);
    grid->addWidget(m_positivePicture, 1, 2);
    grid->addWidget(m_negative, 2, 0, 1, 2);
    grid->addWidget(m_negativePicture, 2, 2);
    grid->addWidget(m_lowestLabel, 3, 0);
    grid->addWidget(m_lowestAlarm, 3, 1, 1, 2);
    grid->addWidget(m_highestLabel, 4, 0);
    grid->addWidget(m_highestAlarm, 4, 1, 1, 2);
    grid->addWidget(action, 5, 0, 1, 3);
    grid->setRowStretch(6, 1);
    return page;
}

QWidget* TfrmModbusTags::BuildScalePage()
{
    QGroupBox* group = nullptr;
    QWidget* page = Page(m_pages, "tbsScale", t::kPageScale, group, t::kGroupScale);
    m_scale = List(group, "cboScale", lists::kScale);
    m_factorA = Field(group, "txtFactorA");
    m_factorB = Field(group, "txtFactorB");
    TypedKeyFilter* number = TypedKeyFilter::Number(this);
    number->Attach(m_factorA);
    number->Attach(m_factorB);
    m_scaleLabel = Label(group, "lblScale", t::kScale, m_scale);
    m_factorALabel = Label(group, "lblFactorA", t::kFactorA, m_factorA);
    m_factorBLabel = Label(group, "lblFactorB", t::kFactorB, m_factorB);

    auto* grid = new QGridLayout(group);
    grid->addWidget(m_scaleLabel, 0, 0);
    grid->addWidget(m_scale, 0, 1);
    grid->addWidget(m_factorALabel, 1, 0);
    grid->addWidget(m_factorA, 1, 1);
    grid->addWidget(m_factorBLabel, 2, 0);
    grid->addWidget(m_factorB, 2, 1);
    grid->setRowStretch(3, 1);
    return page;
}

void TfrmModbusTags::ConnectControls()
{
    TModbusTagFields& f = m_editor.Fields;
    auto list = [&](QComboBox* box, int TModbusTagFields::*member, std::optional<ModbusTagControl> rule) {
        connect(box, &QComboBox::currentIndexChanged, this, [this, member, rule](int index) {
            if (m_showing) return;
            m_editor.Fields.*member = index;
            if (rule) Change(*rule);
        });
    };
    list(m_source, &TModbusTagFields::Source, ModbusTagControl::Source);
    list(m_type, &TModbusTagFields::Type, ModbusTagControl::Type);
    list(m_table, &TModbusTagFields::RegisterTable, ModbusTagControl::RegisterTable);
    list(m_scale, &TModbusTagFields::Scale, ModbusTagControl::Scale);

    auto box = [&](QAbstractButton* button, bool TModbusTagFields::*member,
                   std::optional<ModbusTagControl> rule) {
        connect(button, &QAbstractButton::toggled, this, [this, member, rule](bool checked) {
            if (m_showing) return;
            m_editor.Fields.*member = checked;
            if (rule) Change(*rule);
        });
    };
    box(m_enron, &TModbusTagFields::Enron, std::nullopt);
    box(m_readOnly, &TModbusTagFields::ReadOnly, ModbusTagControl::ReadOnly);
    box(m_writeLimits, &TModbusTagFields::WriteLimits, ModbusTagControl::WriteLimits);
    box(m_alarmEnable, &TModbusTagFields::AlarmEnable, ModbusTagControl::AlarmEnable);
    box(m_positive, &TModbusTagFields::PositiveEdge, std::nullopt);
    box(m_sendEmail, &TModbusTagFields::SendEmail, std::nullopt);

    auto text = [&](QLineEdit* field, std::string TModbusTagFields::*member) {
        connect(field, &QLineEdit::textChanged, this, [this, member](const QString& value) {
            if (!m_showing) m_editor.Fields.*member = Std(value);
        });
    };
    text(m_unitId, &TModbusTagFields::UnitId);
    text(m_bitPosition, &TModbusTagFields::BitPosition);
    text(m_minWrite, &TModbusTagFields::MinWrite);
    text(m_maxWrite, &TModbusTagFields::MaxWrite);
    text(m_lowestAlarm, &TModbusTagFields::LowestAlarm);
    text(m_highestAlarm, &TModbusTagFields::HighestAlarm);
    text(m_factorA, &TModbusTagFields::FactorA);
    text(m_factorB, &TModbusTagFields::FactorB);
    connect(m_address, &QLineEdit::textChanged, this, [this] {
        if (!m_showing) m_editor.Fields.Address = Std(AddressValue());
    });
    // Tag names are upper case, however they are typed.
    connect(m_name, &QLineEdit::textChanged, this, [this](const QString& value) {
        const QString upper = value.toUpper();
        if (upper != value) {
            const int cursor = m_name->cursorPosition();
            m_name->setText(upper);
            m_name->setCursorPosition(cursor);
            return;
        }
        if (!m_showing) m_editor.Fields.Name = Std(value);
    });
    (void)f;

    connect(m_pages, &QTabWidget::currentChanged, this, &TfrmModbusTags::PageOpened);
    connect(m_internal, &QPushButton::clicked, this, &TfrmModbusTags::InternalClicked);
}

QString TfrmModbusTags::AddressValue() const
{
    // What was typed after the table digit; trailing empty positions dropped, inner ones kept.
    QString value = m_address->displayText().mid(1);
    while (value.endsWith(QLatin1Char(' '))) value.chop(1);
    return value;
}

void TfrmModbusTags::ShowEditor()
{
    m_showing = true;
    const TModbusTagFields& f = m_editor.Fields;
    const TModbusTagEnables& en = m_editor.Enabled;

    m_source->setCurrentIndex(f.Source);
    SetText(m_name, f.Name);
    SetText(m_unitId, f.UnitId);
    m_type->setCurrentIndex(f.Type);
    m_table->setCurrentIndex(f.RegisterTable);
    const QString mask = AddressMask(f.RegisterTable);
    if (m_address->inputMask() != mask || AddressValue() != Text(f.Address)) {
        m_address->setInputMask(mask);
        // The digit leads, so that a value starting with the same digit is not taken for it.
        m_address->setText(QChar(ModbusTableDigit(f.RegisterTable)) + Text(f.Address));
    }
    SetText(m_bitPosition, f.BitPosition);
    m_enron->setChecked(f.Enron);
    m_readOnly->setChecked(f.ReadOnly);
    m_writeLimits->setChecked(f.WriteLimits);
    SetText(m_minWrite, f.MinWrite);
    SetText(m_maxWrite, f.MaxWrite);
    m_alarmEnable->setChecked(f.AlarmEnable);
    (f.PositiveEdge ? m_positive : m_negative)->setChecked(true);
    SetText(m_lowestAlarm, f.LowestAlarm);
    SetText(m_highestAlarm, f.HighestAlarm);
    m_sendEmail->setChecked(f.SendEmail);
    m_scale->setCurrentIndex(f.Scale);
    SetText(m_factorA, f.FactorA);
    SetText(m_factorB, f.FactorB);

    m_internal->setEnabled(en.Internal);
    SetEnabled(en.UnitId, {m_unitId, m_unitIdLabel});
    SetEnabled(en.Type, {m_type, m_typeLabel});
    SetEnabled(en.RegisterTable, {m_table, m_tableLabel});
    SetEnabled(en.Address, {m_address, m_addressLabel});
    SetEnabled(en.BitPosition, {m_bitPosition, m_bitPositionLabel});
    m_enron->setEnabled(en.Enron);
    m_readOnly->setEnabled(en.ReadOnly);
    m_writeLimits->setEnabled(en.WriteLimits);
    SetEnabled(en.WriteLimitFields, {m_minWrite, m_maxWrite, m_minWriteLabel, m_maxWriteLabel});
    SetEnabled(en.AlarmEdges, {m_positive, m_negative, m_positivePicture, m_negativePicture});
    SetEnabled(en.AlarmLimits, {m_lowestAlarm, m_highestAlarm, m_lowestLabel, m_highestLabel});
    m_sendEmail->setEnabled(en.SendEmail);
    SetEnabled(en.Scale, {m_scale, m_scaleLabel});
    SetEnabled(en.Factors, {m_factorA, m_factorB, m_factorALabel, m_factorBLabel});

    SetVisible(m_editor.EdgesVisible(), {m_positive, m_negative, m_positivePicture, m_negativePicture});
    SetVisible(m_editor.LimitsVisible(), {m_lowestAlarm, m_highestAlarm, m_lowestLabel, m_highestLabel});
    m_showing = false;
}

void TfrmModbusTags::Change(ModbusTagControl control)
{
    ApplyModbusTagChange(m_editor, control);
    ShowEditor();
}

void TfrmModbusTags::PageOpened(int index)
{
    if (m_showing) return;
    if (index == static_cast<int>(ModbusTagPage::Alarm)) Change(ModbusTagControl::AlarmPage);
    if (index == static_cast<int>(ModbusTagPage::Scale)) Change(ModbusTagControl::ScalePage);
}

void TfrmModbusTags::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        setWindowTitle(Text(EditMode ? texts::kEditModbusTag : texts::kAddModbusTag));
        m_editor = EditMode ? ModbusTagEditorForEdit(TagConfig) : ModbusTagEditorForAdd();
        m_showing = true;
        m_pages->setCurrentIndex(static_cast<int>(ModbusTagPage::Configuration));
        m_showing = false;
        ShowEditor();
        m_source->setFocus();
    }
    QDialog::showEvent(event);
}

void TfrmModbusTags::InternalClicked()
{
    if (m_prompts.RunDialog(m_internalTags) != QDialog::Accepted) return;
    m_editor.Fields.Name = Std(m_internalTags.SelectedTag());
    ShowEditor();
}

void TfrmModbusTags::ShowFailure(const TTagEditorFailure& failure)
{
    m_prompts.Error(Text(failure.Message));
    m_pages->setCurrentIndex(failure.Page);
    if (auto* field = findChild<QWidget*>(Text(failure.Field)); field && field->isEnabled())
        field->setFocus();
}

void TfrmModbusTags::OkClicked()
{
    const TModbusTagCheck check = ValidateModbusTag(m_editor.Fields);
    if (check.AddressWarning) m_prompts.Warning(Text(texts::kAddressConverted));
    if (check.Failure) {
        ShowFailure(*check.Failure);
        return;
    }
    const TModbusTagBuild build = BuildModbusTagRecord(m_editor.Fields);
    if (build.Failure) {
        ShowFailure(*build.Failure);
        return;
    }
    TagConfig = *build.Tag;
    accept();
}

std::string TfrmModbusTags::GetSourceText(int code) { return GetModbusSourceText(code); }
std::string TfrmModbusTags::GetTypeText(int code) { return GetModbusTypeText(code); }
std::string TfrmModbusTags::GetScaleText(int code) { return qvs::GetScaleText(code); }
std::string TfrmModbusTags::GetModbusFunctionText(int code) { return qvs::GetModbusFunctionText(code); }
uint8_t TfrmModbusTags::GetSourceValue(const std::string& text) { return GetModbusSourceValue(text); }
uint8_t TfrmModbusTags::GetTypeValue(const std::string& text) { return GetModbusTypeValue(text); }
uint8_t TfrmModbusTags::GetScaleValue(const std::string& text) { return qvs::GetScaleValue(text); }
uint8_t TfrmModbusTags::GetModbusFunctionValue(const std::string& text)
{
    return qvs::GetModbusFunctionValue(text);
}

}  // namespace qvs::app
