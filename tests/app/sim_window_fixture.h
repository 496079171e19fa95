#pragma once

#include "loopback_client.h"
#include "main_window_fixture.h"
#include "sim_process.h"
#include "device_list_model.h"
#include "gateway_models.h"

#include <QAction>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

namespace qvs::app::testing {

using qvs::test::SimProcess;

// A main window on live clients, against kavro-sim's demo plant on loopback: one plant for a
// whole suite unless a test restarts it.
class SimWindowTest : public MainWindowTest {
protected:
    static void SetUpTestSuite() { s_sim = new SimProcess({"--demo"}); }
    static void TearDownTestSuite()
    {
        delete s_sim;
        s_sim = nullptr;
    }

    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_TRUE(s_sim->Started()) << s_sim->Error().toStdString();
        MakeWindow(std::make_unique<LiveGatewayClients>(5000), std::make_unique<LiveGatewayClients>(5000));
    }

    // A fresh demo plant, for tests that change what the gateways hold.
    static void RestartSim()
    {
        TearDownTestSuite();
        SetUpTestSuite();
    }

    // A device-list row for a sim gateway, reached at its loopback address and port.
    int ListGateway(const QString& mac, const QString& remoteHost = {})
    {
        const qvs::test::SimGateway& gw = s_sim->GatewayByMac(mac);
        qvs::TDeviceData row;
        row.Name = qvs::ModelName(gw.Model.toStdString());
        row.Host = "-";
        row.MAC = gw.Mac.toStdString();
        row.Version = gw.Firmware.toStdString();
        row.IP = gw.Host.toStdString();
        row.Netmask = row.Gateway = "255.255.255.0";
        row.RemoteHost = remoteHost.toStdString();
        row.IsKavro = qvs::IsKavroModel(row.Name);
        row.Flavour = row.IsKavro ? static_cast<int>(qvs::FlavourOfModel(gw.Model.toStdString())) : 0;
        Window->Devices().AddDeviceToList(row);
        const int index = Window->Devices().DeviceIsListed(row);
        Window->DeviceList()->setCurrentIndex(Window->DeviceList()->model()->index(index, 0));
        Update();
        return index;
    }

    void ExpectPassword(const QString& password, bool ok = true)
    {
        Prompts.ExpectDialog("frmPassword", [password, ok](QDialog& dialog) {
            auto* field = dialog.findChild<QLineEdit*>("txtPassword");
            EXPECT_TRUE(field->text().isEmpty());
            EXPECT_EQ(20, field->maxLength());
            EXPECT_EQ(QLineEdit::Password, field->echoMode());
            QTest::keyClicks(field, password);
            Click(dialog, ok ? "btnOk" : "btnCancel");
            return dialog.result();
        });
    }

    // Presses Connect and waits for the attempt to end; the result.
    bool Connect()
    {
        QSignalSpy finished(Window.get(), &TMainForm::ConnectFinished);
        Window->Action("DevicesConnect")->trigger();
        if (finished.isEmpty() && !finished.wait(15000)) {
            ADD_FAILURE() << "connect did not finish";
            return false;
        }
        Update();
        return finished.first().first().toBool();
    }

    int AdminRequests(const QString& command)
    {
        const auto journal = qvs::test::HttpGet("127.0.0.1", s_sim->ControlPort(), "/journal");
        return static_cast<int>(journal.Body.count(command.toUtf8() + "();"));
    }

    // Arms one fault rule of kavro-sim's.
    static void ArmFault(const QByteArray& rule)
    {
        const auto armed = qvs::test::HttpPost("127.0.0.1", s_sim->ControlPort(), "/fault", rule, "text/plain");
        ASSERT_TRUE(armed.Ok && armed.Status == 200) << rule.toStdString() << ": " << armed.Error.toStdString();
    }

    // The bodies of the HTTP requests a gateway received, oldest first.
    static QList<QByteArray> Requests(const QString& mac);

    static inline SimProcess* s_sim = nullptr;
};

inline QList<QByteArray> SimWindowTest::Requests(const QString& mac)
{
    QList<QByteArray> bodies;
    const auto journal = qvs::test::HttpGet("127.0.0.1", s_sim->ControlPort(), "/journal");
    for (const QByteArray& line : journal.Body.split('\n')) {
        const QJsonObject entry = QJsonDocument::fromJson(line).object();
        if (entry.value("transport").toString() == "http" && entry.value("gateway").toString() == mac)
            bodies << entry.value("body").toString().toUtf8();
    }
    return bodies;
}

}  // namespace qvs::app::testing
