#include "document_registry.h"

#include "app_texts.h"

namespace qvs::app {

TMDIChild* DocumentRegistry::Create(DocumentKind kind, IPrompts& prompts) const
{
    const auto found = m_factories.find(kind);
    return found == m_factories.end() ? nullptr : found->second(prompts);
}

std::optional<DocumentKind> DocumentRegistry::Recognise(const QString& path) const
{
    for (const auto& [kind, caption] : AllKinds()) {
        const auto found = m_recognisers.find(kind);
        if (found != m_recognisers.end() && found->second(path))
            return kind;
    }
    return std::nullopt;
}

const std::vector<std::pair<DocumentKind, QString>>& DocumentRegistry::AllKinds()
{
    static const std::vector<std::pair<DocumentKind, QString>> kinds = {
        {DocumentKind::ModbusConfig, texts::kKindModbus},
        {DocumentKind::HostlinkConfig, texts::kKindHostlink},
        {DocumentKind::DF1Config, texts::kKindDF1},
        {DocumentKind::Site, texts::kKindSite},
    };
    return kinds;
}

std::vector<std::pair<DocumentKind, QString>> DocumentRegistry::OfferedKinds() const
{
    std::vector<std::pair<DocumentKind, QString>> offered;
    for (const auto& entry : AllKinds())
        if (HasWindow(entry.first))
            offered.push_back(entry);
    return offered;
}

}  // namespace qvs::app
