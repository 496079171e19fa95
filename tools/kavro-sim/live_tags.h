#pragma once

#include "plant_model.h"

#include <string>

namespace qvs::sim {

// The values the acquisition machine polls: serial tags follow simple deterministic
// signals of the plant clock (a ramp, a sine, a toggling bit), gateway inputs toggle
// slowly, outputs hold what was written, internal tags summarise the others.
class LiveTags {
public:
    LiveTags(const Plant& plant, Gateway& gateway) : m_plant(plant), m_gateway(gateway) {}

    int Kind(size_t index) const;           // 0 digital, 1 integer, 2 real
    double Value(size_t index) const;
    std::string EncodedValue(size_t index) const;  // as VAL1 carries it
    int StatusWord(size_t index) const;     // ST1: state | result << 4 | alarm << 8
    bool IsInternal(size_t index) const;
    bool IsReadOnly(size_t index) const;
    // The write limits apply (LIMITS=1) and the value lies outside them.
    bool OutsideWriteLimits(size_t index, double value) const;

    // Re-evaluates every alarm; a tag newly in alarm with e-mail queues a mail.
    void UpdateAlarms();
    // One step of the mail sender (called every tick of the plant).
    void TickMailbox();

private:
    double SignalValue(size_t index, double seconds) const;
    bool AlarmCondition(size_t index) const;
    double LimitValue(size_t index, const char* key) const;

    const Plant& m_plant;
    Gateway& m_gateway;
};

// Ticks of the mail sender needed to deliver one mail to one recipient.
inline constexpr int kMailSteps = 2;

}  // namespace qvs::sim
