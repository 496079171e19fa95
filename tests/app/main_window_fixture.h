#pragma once

#include "app_fakes.h"
#include "device_locator.h"
#include "document_registry.h"
#include "main_window.h"
#include "scripted_prompts.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <memory>

namespace qvs::app::testing {

using qvs::DeviceLocator;

// A main window over fakes: Modbus, Hostlink and web-site documents exist, DF1 does not yet.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (DocumentKind kind : {DocumentKind::ModbusConfig, DocumentKind::HostlinkConfig, DocumentKind::Site})
            Registry.RegisterWindow(kind, [kind](IPrompts& p) { return new FakeDocument(p, kind); });
        Shared = std::make_shared<FakeClients::Shared>();
        Locator = std::make_unique<DeviceLocator>(LoopbackLocator(Answerer.Port()));
        MakeWindow(std::make_unique<FakeClients>(Shared));
    }

    // Searches go to a peer on loopback from a free port, never to the broadcast address.
    static DeviceLocator::Settings LoopbackLocator(quint16 port)
    {
        DeviceLocator::Settings settings;
        settings.Target.Address = QHostAddress::LocalHost;
        settings.Target.Port = port;
        settings.LocalPort = 0;
        settings.LocalAddresses = {QHostAddress::LocalHost};
        return settings;
    }

    void MakeWindow(std::unique_ptr<IGatewayClients> clients, std::unique_ptr<IGatewayClients> transferClients = {})
    {
        Window.reset();
        Window = std::make_unique<TMainForm>(
            MainFormParts{Prompts, Registry, Options, *Locator, std::move(clients), std::move(transferClients)});
        Window->resize(1100, 720);
        Window->show();
    }

    void TearDown() override
    {
        // Whatever is left open closes without asking.
        for (TMDIChild* doc : Window->Documents())
            if (!doc->Saved())
                Prompts.ExpectMessage(PromptKind::Confirmation,
                                      QString("File \"%1\" has Changed. Save this file?")
                                          .arg(SavePromptName(doc->FileName(), doc->HasFile())),
                                      PromptAnswer::No);
        Window->close();
        Window.reset();
        Prompts.VerifyDone();
    }

    void Update()
    {
        QCoreApplication::processEvents();
        Window->ApplicationUpdate();
        Window->ActionListUpdate();
    }

    bool Enabled(const char* name) { return Window->Action(name)->isEnabled(); }

    FakeDocument* NewFake(DocumentKind kind)
    {
        auto* doc = qobject_cast<FakeDocument*>(Window->NewDocument(kind));
        Update();
        return doc;
    }

    ScriptedPrompts Prompts;
    DocumentRegistry Registry;
    MemoryOptions Options;
    UdpAnswerer Answerer;
    std::unique_ptr<DeviceLocator> Locator;
    std::shared_ptr<FakeClients::Shared> Shared;
    std::unique_ptr<TMainForm> Window;
};

}  // namespace qvs::app::testing
