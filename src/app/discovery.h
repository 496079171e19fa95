#pragma once

#include <functional>
#include <string>

namespace qvs::app {

// The UDP side of the main window: broadcasts a datagram and hands every datagram that arrives to
// the handler, on the user-interface thread.
class IDiscovery {
public:
    virtual ~IDiscovery() = default;
    using Handler = std::function<void(const std::string& datagram)>;
    virtual void SetHandler(Handler handler) = 0;
    // False when the datagram could not be sent (another program holds the port, no interface).
    virtual bool Send(const std::string& datagram) = 0;
};

}  // namespace qvs::app
