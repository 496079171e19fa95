#pragma once

#include "main_window_rules.h"

#include <QString>

#include <functional>
#include <map>
#include <optional>
#include <vector>

class QWidget;

namespace qvs::app {

class IPrompts;
class TMDIChild;

// The document kinds the application can create and recognise. A kind is offered by the New File
// dialog once its window class is registered; a file is recognised by content, in the fixed order
// Modbus, Hostlink, DF1, web site.
class DocumentRegistry {
public:
    using Factory = std::function<TMDIChild*(IPrompts&)>;
    using Recogniser = std::function<bool(const QString& path)>;

    void RegisterWindow(DocumentKind kind, Factory factory) { m_factories[kind] = std::move(factory); }
    void RegisterRecogniser(DocumentKind kind, Recogniser recogniser) { m_recognisers[kind] = std::move(recogniser); }

    bool HasWindow(DocumentKind kind) const { return m_factories.count(kind) != 0; }
    TMDIChild* Create(DocumentKind kind, IPrompts& prompts) const;

    // The kind of the file by its content, or none.
    std::optional<DocumentKind> Recognise(const QString& path) const;

    // The four kinds in their New File order, with their list captions.
    static const std::vector<std::pair<DocumentKind, QString>>& AllKinds();
    // The kinds that have a window class, in that order.
    std::vector<std::pair<DocumentKind, QString>> OfferedKinds() const;

private:
    std::map<DocumentKind, Factory> m_factories;
    std::map<DocumentKind, Recogniser> m_recognisers;
};

}  // namespace qvs::app
