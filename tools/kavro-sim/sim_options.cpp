#include "sim_options.h"

#include "faults.h"
#include "http_listener.h"
#include "udp_responder.h"
#include "ftp_server.h"

#include <QCommandLineParser>
#include <QHostAddress>

#include <cstdio>

namespace qvs::sim {

namespace {

const char* const kDescription =
    "kavro-sim: an emulated plant of Kavro gateways on real sockets.\n"
    "Serves per gateway: UDP discovery (HELLO -> NTM, CONFIG -> ACK/NAK), HTTP\n"
    "admpost.cgi/apppost.cgi (one QProt packet per POST, HTTP/1.0), the web-site files on\n"
    "GET, and FTP (userpage.kwp). When every socket is bound it prints one JSON line:\n"
    "  {\"ready\":true,\"udp\":N,\"control\":N,\"gateways\":[{\"mac\",\"ip\",\"host\",\"http\",\"ftp\",\n"
    "   \"model\",\"firmware\"},...]}\n"
    "SIGTERM or SIGINT stops it (the state is written first with --state).";

QString Limits()
{
    const HttpListener::Limits http;
    return QString(
               "Limits:\n"
               "  HTTP: %1 open connections per gateway (more get 503), request head %2 bytes\n"
               "  (more: 431), body %3 bytes (more: 413), Content-Length required for a body,\n"
               "  %4 ms to send a whole request (then the connection is closed).\n"
               "  UDP: datagrams are read up to %5 bytes; what is no HELLO or CONFIG is dropped.\n"
               "  FTP: %6 sessions per gateway, command lines up to 1024 bytes, stored package up\n"
               "  to 1572864 bytes (more: 552), 30 s without a command closes the session.\n"
               "  Tags: 128 per gateway; journal: the last 20000 entries kept for GET /journal.\n")
        .arg(http.MaxConnections)
        .arg(http.MaxHeaderBytes)
        .arg(http.MaxBodyBytes)
        .arg(http.RequestTimeoutMs)
        .arg(UdpResponder::kMaxDatagram)
        .arg(FtpServer::kMaxSessions);
}

std::optional<int> Port(const QCommandLineParser& parser, const QString& name, int fallback)
{
    if (!parser.isSet(name))
        return fallback;
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < 0 || value > 65535)
        return std::nullopt;
    return value;
}

}  // namespace

ParsedOptions ParseSimOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(kDescription);
    const QCommandLineOption help({"h", "help"}, "Shows this help, the fault syntax and the limits.");
    parser.addOption(help);
    parser.addVersionOption();
    parser.addOptions({
        {"demo", "Runs the built-in demo plant (see --print-plant)."},
        {"plant", "Runs the plant described in FILE (JSON).", "FILE"},
        {"print-plant", "Prints the plant (the demo unless --plant) as JSON and exits."},
        {"state", "Keeps the plant's state in FILE across restarts (written atomically); "
                  "an existing FILE is loaded instead of the plant.", "FILE"},
        {"udp-bind", "Address of the UDP responder (default 0.0.0.0).", "ADDR"},
        {"udp-port", "Port of the UDP responder (default 998, 0 = a free port).", "N"},
        {"http-port", "HTTP port of every gateway (default 80, 0 = a free port each).", "N"},
        {"ftp-port", "FTP port of every gateway (default 21, 0 = a free port each).", "N"},
        {"listen", "Binds every gateway's HTTP and FTP on ADDR instead of its own IP.", "ADDR"},
        {"loopback-ips", "Gives every gateway that has an address its own 127.0.0.N (N = 2, 3, ... in plant "
                         "order, netmask 255.0.0.0), so discovery answers lead to it over loopback."},
        {"control-port", "Port of the control endpoint on 127.0.0.1 (default 0 = a free port).", "N"},
        {"journal", "Writes every request received as JSON lines to FILE ('-' = standard error).", "FILE"},
        {"fault", "Arms a fault at start (repeatable; syntax below).", "RULE"},
    });
    ParsedOptions result;
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "kavro-sim: %s\nTry 'kavro-sim --help'.\n", qPrintable(parser.errorText()));
        result.ExitCode = 2;
        return result;
    }
    if (parser.isSet(help)) {
        std::printf("%s\n%s\n%s", qPrintable(parser.helpText()), kFaultHelp, qPrintable(Limits()));
        return result;
    }
    if (parser.isSet("version")) {
        parser.showVersion();  // exits
    }
    SimOptions options;
    options.Demo = parser.isSet("demo");
    options.PrintPlant = parser.isSet("print-plant");
    options.LoopbackIps = parser.isSet("loopback-ips");
    options.PlantFile = parser.value("plant");
    options.StateFile = parser.value("state");
    options.Listen = parser.value("listen");
    options.Journal = parser.value("journal");
    options.Faults = parser.values("fault");
    if (parser.isSet("udp-bind"))
        options.UdpBind = parser.value("udp-bind");
    const auto udp = Port(parser, "udp-port", 998);
    const auto http = Port(parser, "http-port", 80);
    const auto ftp = Port(parser, "ftp-port", 21);
    const auto control = Port(parser, "control-port", 0);
    QString error;
    if (!udp || !http || !ftp || !control)
        error = "ports are numbers from 0 to 65535";
    else if (options.Demo && !options.PlantFile.isEmpty())
        error = "--demo and --plant exclude each other";
    else if (!options.Demo && options.PlantFile.isEmpty() && !options.PrintPlant &&
             (options.StateFile.isEmpty()))
        error = "give --demo, --plant FILE or --state FILE";
    else if (QHostAddress(options.UdpBind).isNull())
        error = "--udp-bind needs an IP address";
    else if (!options.Listen.isEmpty() && QHostAddress(options.Listen).isNull())
        error = "--listen needs an IP address";
    if (!error.isEmpty()) {
        std::fprintf(stderr, "kavro-sim: %s\nTry 'kavro-sim --help'.\n", qPrintable(error));
        result.ExitCode = 2;
        return result;
    }
    options.UdpPort = *udp;
    options.HttpPort = *http;
    options.FtpPort = *ftp;
    options.ControlPort = *control;
    result.Options = options;
    return result;
}

}  // namespace qvs::sim
