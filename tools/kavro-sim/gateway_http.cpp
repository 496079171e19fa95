#include "gateway_http.h"

#include "command_table.h"
#include "kwp_package.h"
#include "packet_fields.h"
#include "sim_texts.h"

#include <QPointer>
#include <QTimer>

namespace qvs::sim {

namespace {

const QByteArray kPacketType = "text/x-qprot";

QByteArray ContentTypeOf(const QByteArray& name)
{
    const QByteArray lower = name.toLower();
    if (lower.endsWith(".htm") || lower.endsWith(".html")) return "text/html";
    if (lower.endsWith(".css")) return "text/css";
    if (lower.endsWith(".js")) return "application/javascript";
    if (lower.endsWith(".gif")) return "image/gif";
    if (lower.endsWith(".jpg") || lower.endsWith(".jpeg")) return "image/jpeg";
    if (lower.endsWith(".png")) return "image/png";
    if (lower.endsWith(".txt")) return "text/plain";
    return "application/octet-stream";
}

// The reply as it would be with its last "," (the one closing the last value) missing.
std::string WithoutClosingComma(std::string reply)
{
    const auto end = reply.rfind(");");
    if (end != std::string::npos && end > 0 && reply[end - 1] == ',')
        reply.erase(end - 1, 1);
    return reply;
}

std::string Renamed(const std::string& reply, const std::string& name)
{
    const auto open = reply.find('(');
    return open == std::string::npos ? name + "();" : name + reply.substr(open);
}

}  // namespace

GatewayWebServer::GatewayWebServer(SimServices services, Gateway& gateway, HttpListener::Limits limits,
                                   QObject* parent)
    : QObject(parent), m_services(services), m_gateway(gateway), m_listener(limits, this)
{
    m_listener.OnRequest = [this](HttpExchange& e) { Record(e, {}); Handle(e); };
    m_listener.OnBadRequest = [this](HttpExchange& e, int status) {
        Record(e, "refused with " + QString::number(status));
    };
    m_listener.OnTruncated = [this](HttpExchange& e) { Record(e, "truncated"); };
}

void GatewayWebServer::Record(HttpExchange& e, const QString& note)
{
    Journal::Entry entry;
    entry.Transport = "http";
    entry.Gateway = QString::fromStdString(m_gateway.Mac);
    entry.Peer = e.Peer();
    entry.Endpoint = e.Local();
    entry.RequestLine = e.Request().RequestLine;
    entry.Headers = e.Request().Headers;
    entry.Body = e.Request().Body;
    entry.Note = note;
    m_services.journal.Record(entry);
}

void GatewayWebServer::Handle(HttpExchange& e)
{
    const HttpRequest& request = e.Request();
    if (request.Method == "POST") {
        if (request.Path == "/admpost.cgi")
            return Post(e, Endpoint::Admin);
        if (request.Path == "/apppost.cgi")
            return Post(e, Endpoint::App);
        return e.Reply(404, "text/plain", "Not Found\n");
    }
    if (request.Method == "GET" || request.Method == "HEAD")
        return ServeSiteFile(e);
    e.Reply(405, "text/plain", "Method Not Allowed\n");
}

void GatewayWebServer::Post(HttpExchange& e, Endpoint endpoint)
{
    const std::string body = e.Request().Body.toStdString();
    std::string name = RequestCommandName(body);
    const auto fault = m_services.faults.Match(FaultService::Http, m_gateway.Mac, name.empty() ? "?" : name);
    CommandContext context{m_services.plant, m_gateway};
    if (!fault)
        return e.Reply(200, kPacketType, QByteArray::fromStdString(HandleRequest(body, endpoint, context)));
    switch (fault->Action) {
    case FaultAction::Nak:
        return e.Reply(200, kPacketType, QByteArray::fromStdString(NakReply(texts::kInjectedFault)));
    case FaultAction::Garbage:
    {
        static const char junk[] = "\x01\xfe<junk>\x00\x7f?%&no packet here";
        return e.Reply(200, kPacketType, QByteArray(junk, sizeof junk - 1));
    }
    case FaultAction::Status:
        return e.Reply(int(fault->Number), "text/plain", HttpExchange::StatusText(int(fault->Number)) + "\n");
    case FaultAction::Close:
        return e.Abort();
    default: break;
    }
    std::string reply = HandleRequest(body, endpoint, context);
    if (fault->Action == FaultAction::Name)
        reply = Renamed(reply, fault->Text);
    if (fault->Action == FaultAction::Unclosed)
        reply = WithoutClosingComma(reply);
    if (fault->Action == FaultAction::Delay) {
        QPointer<HttpExchange> guard(&e);
        QTimer::singleShot(int(fault->Number), this, [guard, reply] {
            if (guard)
                guard->Reply(200, kPacketType, QByteArray::fromStdString(reply));
        });
        return;
    }
    e.Reply(200, kPacketType, QByteArray::fromStdString(reply));
}

void GatewayWebServer::ServeSiteFile(HttpExchange& e)
{
    QByteArray path = QByteArray::fromPercentEncoding(e.Request().Path.mid(1));
    std::optional<QByteArray> file;
    if (path.isEmpty()) {
        file = KwpFile(m_gateway.Site, "index.htm");
        path = "index.htm";
        if (!file) {
            file = KwpFile(m_gateway.Site, "index.html");
            path = "index.html";
        }
    } else {
        file = KwpFile(m_gateway.Site, path);
    }
    if (!file)
        return e.Reply(404, "text/html", "<html><body>404 Not Found</body></html>\n");
    e.Reply(200, ContentTypeOf(path), e.Request().Method == "HEAD" ? QByteArray() : *file);
}

}  // namespace qvs::sim
