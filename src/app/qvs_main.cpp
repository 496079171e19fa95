// qvs: the Kavro Configuration Manager desktop application.
#include "app_texts.h"
#include "artwork.h"
#include "document_registry.h"
#include "main_window.h"
#include "options_access.h"
#include "qt_prompts.h"
#include "udp_discovery.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QSplashScreen>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

namespace {

using namespace qvs::app;

// Until the HTTP clients and the settings file are wired in, exchanges fail and settings stay in memory.
class PendingClients : public IGatewayClients {
public:
    qvs::ExchangeReply Exchange(const std::string&, const std::string&, qvs::Endpoint, const qvs::TPacket&) override
    {
        return {false, {}, "no HTTP client"};
    }
    void SetProxy(const HttpProxySettings&) override {}
};

class MemoryOptions : public IOptionsAccess {
public:
    StoredOptions Read() override { return m_options; }
    void Write(const StoredOptions& options) override { m_options = options; }

private:
    StoredOptions m_options;
};

bool ParseTarget(const QString& text, QHostAddress& address, quint16& port)
{
    const int colon = text.lastIndexOf(':');
    const QString host = colon >= 0 ? text.left(colon) : text;
    if (colon >= 0) {
        bool ok = false;
        const uint value = text.mid(colon + 1).toUInt(&ok);
        if (!ok || value == 0 || value > 65535)
            return false;
        port = static_cast<quint16>(value);
    }
    return address.setAddress(host) && address.protocol() == QAbstractSocket::IPv4Protocol;
}

// Resident memory in kB, from /proc.
long ResidentKilobytes()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

}  // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(qvs::app::texts::kApplicationTitle);
    QApplication::setApplicationVersion("3.0.4");
    QApplication::setWindowIcon(ApplicationIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription("Kavro Configuration Manager: finds, configures and monitors Kavro gateways.");
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption target("discovery-target", "Where the discovery search is sent (default 255.255.255.255:998).",
                              "ADDR[:PORT]", "255.255.255.255:998");
    QCommandLineOption splashMs("splash-ms", "How long the splash window shows (default 2000).", "MS", "2000");
    QCommandLineOption benchStartup("bench-startup",
                                    "Print the start-up time and resident memory once the main window runs, then quit.");
    parser.addOption(target);
    parser.addOption(splashMs);
    parser.addOption(benchStartup);
    parser.addPositionalArgument("file", "A kvr or kwp file to open.", "[file]");
    parser.process(app);
    if (parser.positionalArguments().size() > 1) {
        std::fprintf(stderr, "qvs: give at most one file to open\n");
        return 2;
    }
    QHostAddress address;
    quint16 port = 998;
    if (!ParseTarget(parser.value(target), address, port)) {
        std::fprintf(stderr, "qvs: not a valid discovery target: %s\n", qPrintable(parser.value(target)));
        return 2;
    }
    const int splashTime = qMax(0, parser.value(splashMs).toInt());

    auto* splash = new QSplashScreen(SplashPixmap());
    splash->show();

    QtPrompts prompts;
    DocumentRegistry documents;
    MemoryOptions options;
    UdpDiscovery discovery(address, port);
    std::unique_ptr<TMainForm> mainForm;

    const qint64 splashShownAt = clock.elapsed();
    QTimer::singleShot(splashTime, [&] {
        QApplication::setApplicationDisplayName(QString());
        mainForm = std::make_unique<TMainForm>(
            MainFormParts{prompts, documents, options, discovery, std::make_unique<PendingClients>()});
        prompts.SetParent(mainForm.get());
        mainForm->showMaximized();
        splash->finish(mainForm.get());
        splash->deleteLater();
        if (!parser.positionalArguments().isEmpty())
            mainForm->OpenFile(parser.positionalArguments().first());
        if (parser.isSet(benchStartup)) {
            QTimer::singleShot(0, [&] {
                // Time in the event loop with the main window up, less the splash wait.
                const qint64 total = clock.elapsed();
                std::printf("startup_ms=%lld splash_ms=%d rss_kb=%ld\n",
                            static_cast<long long>(total - splashTime), splashTime, ResidentKilobytes());
                std::fflush(stdout);
                QApplication::quit();
            });
        }
    });
    (void)splashShownAt;
    const int result = app.exec();
    mainForm.reset();
    return result;
}
