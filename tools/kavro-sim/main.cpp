#include "plant_json.h"
#include "sim_app.h"
#include "sim_options.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

void OnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalPipe[1], &byte, 1);
}

// SIGTERM and SIGINT end the event loop through a pipe, so the state is saved normally.
void QuitOnSignals(QCoreApplication& app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app] { app.quit(); });
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("kavro-sim");
    QCoreApplication::setApplicationVersion(QStringLiteral(QVS_VERSION));
    std::signal(SIGPIPE, SIG_IGN);

    const auto parsed = qvs::sim::ParseSimOptions(app.arguments());
    if (!parsed.Options)
        return parsed.ExitCode;
    const qvs::sim::SimOptions& options = *parsed.Options;

    if (options.PrintPlant) {
        QString error;
        auto opts = options;
        opts.StateFile.clear();
        auto gateways = qvs::sim::InitialGateways(opts, &error);
        if (!gateways) {
            std::fprintf(stderr, "kavro-sim: %s\n", qPrintable(error));
            return 1;
        }
        qvs::sim::Plant plant;
        for (auto& gateway : *gateways)
            plant.Add(std::move(gateway));
        std::fputs(QJsonDocument(qvs::sim::PlantToJson(plant)).toJson().constData(), stdout);
        return 0;
    }

    qvs::sim::SimApp sim(options);
    if (const auto error = sim.Start()) {
        std::fprintf(stderr, "kavro-sim: %s\n", qPrintable(*error));
        return 1;
    }
    QuitOnSignals(app);
    std::fputs((sim.ReadyLine() + "\n").constData(), stdout);
    std::fflush(stdout);
    const int code = app.exec();
    sim.SaveState();
    return code;
}
