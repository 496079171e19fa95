// qvs: the Kavro Configuration Manager desktop application.
#include "app_texts.h"
#include "artwork.h"
#include "config_documents.h"
#include "document_registry.h"
#include "main_window.h"
#include "options_access.h"
#include "qt_prompts.h"
#include "device_locator.h"
#include "gateway_clients.h"
#include "qvs_options.h"

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
    QString targetError;
    const auto discoveryTarget = qvs::ParseDiscoveryTarget(parser.value(target), &targetError);
    if (!discoveryTarget) {
        std::fprintf(stderr, "qvs: --discovery-target: %s\n", qPrintable(targetError));
        return 2;
    }
    const int splashTime = qMax(0, parser.value(splashMs).toInt());

    auto* splash = new QSplashScreen(SplashPixmap());
    splash->show();

    QtPrompts prompts;
    DocumentRegistry documents;
    qvs::QVSOptions settingsFile(qvs::QVSOptions::ApplicationFileName());
    QVSOptionsAccess options(settingsFile);
    qvs::DeviceLocator::Settings locatorSettings;
    locatorSettings.Target = *discoveryTarget;
    qvs::DeviceLocator locator(locatorSettings);
    std::unique_ptr<TMainForm> mainForm;

    // Precise: a coarse timer of this length may fire up to a tenth of a second early.
    QTimer::singleShot(splashTime, Qt::PreciseTimer, [&] {
        mainForm = std::make_unique<TMainForm>(
            MainFormParts{prompts, documents, options, locator, std::make_unique<LiveGatewayClients>()});
        prompts.SetParent(mainForm.get());
        RegisterModbusDocuments(documents, prompts, *mainForm);
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
    const int result = app.exec();
    mainForm.reset();
    return result;
}
