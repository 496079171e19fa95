#include "live_tags.h"

#include "flavour_keys.h"
#include "number_text.h"
#include "qprot_errors.h"
#include "qprot_packet.h"

#include <cmath>
#include <numbers>

namespace qvs::sim {

namespace {

std::string KeyOr(const KeyMap& tag, const char* key, const char* fallback)
{
    const auto it = tag.find(key);
    return it == tag.end() || it->second.empty() ? fallback : it->second;
}

int IntKey(const KeyMap& tag, const char* key, int fallback)
{
    try {
        return ParseInteger(KeyOr(tag, key, std::to_string(fallback).c_str()));
    } catch (const ConversionError&) {
        return fallback;
    }
}

// Reads a number in any of the packet forms (integer, Boolean, exponent).
double NumberOf(const std::string& text, double fallback)
{
    if (text.empty())
        return fallback;
    try {
        if (text.find('E') != std::string::npos)
            return TPacket("P(X=" + text + ",);").GetFloat("X", fallback, '.');
        return ParseInteger(text);
    } catch (const QProtError&) {
        return fallback;
    }
}

}  // namespace

int LiveTags::Kind(size_t index) const
{
    return TagKind(m_gateway.Flavour(), m_gateway.Tags[index]);
}

bool LiveTags::IsInternal(size_t index) const
{
    return IntKey(m_gateway.Tags[index], "SOURCE", 0) == 3;
}

bool LiveTags::IsReadOnly(size_t index) const
{
    const int source = IntKey(m_gateway.Tags[index], "SOURCE", 0);
    return source == 1 || source == 3 || source == 4 || KeyOr(m_gateway.Tags[index], "READONLY", "0") != "0";
}

double LiveTags::LimitValue(size_t index, const char* key) const
{
    return NumberOf(KeyOr(m_gateway.Tags[index], key, "0"), 0);
}

bool LiveTags::OutsideWriteLimits(size_t index, double value) const
{
    if (KeyOr(m_gateway.Tags[index], "LIMITS", "0") == "0" || Kind(index) == 0)
        return false;
    return value < LimitValue(index, "WRLO") || value > LimitValue(index, "WRHI");
}

double LiveTags::SignalValue(size_t index, double seconds) const
{
    const KeyMap& tag = m_gateway.Tags[index];
    const int source = IntKey(tag, "SOURCE", 0);
    const double phase = double(index);
    const long tick = long(std::floor(seconds));
    switch (source) {
    case 1:  // gateway input: toggles every 7 s
        return ((tick / 7 + long(index)) % 2) ? 1 : 0;
    case 2:  // gateway output: off until written
        return 0;
    case 4:  // analog input: a slow sine over the 0..1023 counts of the converter
        return std::round(512 + 400 * std::sin(2 * std::numbers::pi * seconds / 90 + phase));
    default: break;
    }
    switch (Kind(index)) {
    case 0:  // toggling bit, period 2 x (5 + index) s
        return ((tick / (5 + long(index))) % 2) ? 1 : 0;
    case 1:  // ramp 0..99, one step a second
        return double((tick + 10 * long(index)) % 100);
    default: {
        const double raw = 50 + 40 * std::sin(2 * std::numbers::pi * seconds / 60 + phase);
        if (IntKey(tag, "SCALE", 1) == 2) {
            const double a = NumberOf(KeyOr(tag, "FACT_A", "1.00000000E0"), 1);
            const double b = NumberOf(KeyOr(tag, "FACT_B", "0.00000000E0"), 0);
            return a * std::round(raw * 10) + b;
        }
        return raw;
    }
    }
}

double LiveTags::Value(size_t index) const
{
    if (index >= m_gateway.Tags.size())
        return 0;
    if (IsInternal(index)) {
        const std::string name = KeyOr(m_gateway.Tags[index], "NAME", "");
        if (name == "_COMMERROR")
            return m_gateway.CommError ? 1 : 0;
        bool any = false, unacknowledged = false;
        for (size_t i = 0; i < m_gateway.Tags.size() && i < m_gateway.Live.size(); ++i) {
            if (IsInternal(i))
                continue;
            any = any || m_gateway.Live[i].AlarmState != 0;
            unacknowledged = unacknowledged || m_gateway.Live[i].AlarmState == 1;
        }
        if (name == "_ALARM")
            return any ? 1 : 0;
        if (name == "_ALARMNAK")
            return unacknowledged ? 1 : 0;
        return 0;
    }
    if (index < m_gateway.Live.size() && m_gateway.Live[index].Written)
        return *m_gateway.Live[index].Written;
    const double seconds = m_gateway.Running ? m_plant.Seconds() : m_gateway.FrozenAt;
    return SignalValue(index, seconds);
}

std::string LiveTags::EncodedValue(size_t index) const
{
    const double value = Value(index);
    switch (Kind(index)) {
    case 0: return value != 0 ? "1" : "0";
    case 1: return std::to_string(long(std::llround(value)));
    default: return EncodeQProtFloat(value);
    }
}

int LiveTags::StatusWord(size_t index) const
{
    if (index >= m_gateway.Tags.size())
        return (m_gateway.Running ? 2 : 1) | (10 << 4);  // " - No such Tag name"
    const int state = m_gateway.Running && !m_gateway.TagAdmin ? 2 : 1;  // Reading / Idle
    const bool serial = IntKey(m_gateway.Tags[index], "SOURCE", 0) == 0;
    const int result = serial && m_gateway.CommError ? 4 : 0;         // Comm Error / OK
    const int alarm = index < m_gateway.Live.size() ? m_gateway.Live[index].AlarmState : 0;
    return state | (result << 4) | (alarm << 8);
}

bool LiveTags::AlarmCondition(size_t index) const
{
    const KeyMap& tag = m_gateway.Tags[index];
    if (KeyOr(tag, "ALARM", "0") == "0" || IsInternal(index))
        return false;
    const double value = Value(index);
    if (Kind(index) == 0) {
        // Positive edge unless only the negative-edge flag is set; in alarm while the
        // bit stays at the level the edge led to.
        const bool negative = KeyOr(tag, "ALLO", "0") == "0" && KeyOr(tag, "ALHI", "0") != "0";
        return negative ? value == 0 : value != 0;
    }
    return value < LimitValue(index, "ALLO") || value > LimitValue(index, "ALHI");
}

void LiveTags::UpdateAlarms()
{
    m_gateway.Live.resize(m_gateway.Tags.size());
    for (size_t i = 0; i < m_gateway.Tags.size(); ++i) {
        LiveTag& live = m_gateway.Live[i];
        if (!AlarmCondition(i)) {
            live.AlarmState = 0;
            continue;
        }
        if (live.AlarmState != 0)
            continue;
        live.AlarmState = 1;
        const bool mailEnabled = KeyOr(m_gateway.Smtp, "ENABLE", "0") != "0";
        if (mailEnabled && KeyOr(m_gateway.Tags[i], "EMAIL", "0") != "0" && m_gateway.Mail.Queue.size() < kMaxTags)
            m_gateway.Mail.Queue.push_back({KeyOr(m_gateway.Tags[i], "NAME", ""), -1, 0});
    }
}

void LiveTags::TickMailbox()
{
    Mailbox& mail = m_gateway.Mail;
    if (KeyOr(m_gateway.Smtp, "ENABLE", "0") == "0") {
        mail.Status = 0;
        return;
    }
    if (mail.Queue.empty()) {
        if (mail.Status != 2)
            mail.Status = 3;
        return;
    }
    MailItem& item = mail.Queue.front();
    if (item.StepsLeft > 0 && --item.StepsLeft > 0)
        return;
    // The mail to the current slot is out (or none started yet): go to the next recipient.
    int next = item.Slot + 1;
    while (next < kRecipientSlots && m_gateway.Recipients[next].empty())
        ++next;
    if (next >= kRecipientSlots) {
        if (item.Slot >= 0)
            ++mail.Sent;
        mail.Queue.pop_front();
        mail.Status = mail.Queue.empty() ? 2 : 1;
        return;
    }
    item.Slot = next;
    item.StepsLeft = kMailSteps;
    mail.Status = 1;
    mail.Too = next + 1;
    mail.Retry = 1;
    mail.Error = 0;
}

}  // namespace qvs::sim
