#include "plant_model.h"

namespace qvs::sim {

Plant::Plant() { m_clock.start(); }

Gateway* Plant::FindByMac(const std::string& mac)
{
    for (auto& gateway : m_gateways)
        if (gateway->Mac == mac)
            return gateway.get();
    return nullptr;
}

Gateway& Plant::Add(Gateway gateway)
{
    gateway.Live.resize(gateway.Tags.size());
    m_gateways.push_back(std::make_unique<Gateway>(std::move(gateway)));
    return *m_gateways.back();
}

double Plant::Seconds() const
{
    return double(m_clock.elapsed()) / 1000.0;
}

}  // namespace qvs::sim
