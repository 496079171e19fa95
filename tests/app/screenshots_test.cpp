// Writes a PNG of the main window and of each dialog under <build>/pictures, to be looked at.
#include "widget_pictures.h"
#include "about_dialog.h"
#include "app_texts.h"
#include "artwork.h"
#include "device_list_model.h"
#include "info_message.h"
#include "main_window_fixture.h"
#include "new_file_dialog.h"
#include "no_feature_dialog.h"
#include "options_dialog.h"
#include "password_dialog.h"
#include "search_remote_dialog.h"
#include "version_dialog.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

using namespace qvs::app;
using namespace qvs::app::testing;

namespace {

void Shoot(QWidget& widget, const QString& name)
{
    widget.show();
    SavePicture(widget, name);
}

qvs::TDeviceData Row(const char* name, const char* host, const char* mac, const char* version, const char* ip,
                     bool dhcp, const char* remote = "")
{
    qvs::TDeviceData d;
    d.Name = name;
    d.Host = host;
    d.MAC = mac;
    d.Version = version;
    d.IP = ip;
    d.Netmask = "255.255.255.0";
    d.Gateway = "10.77.0.1";
    d.DHCP = dhcp;
    d.RemoteHost = remote;
    d.IsKavro = true;
    return d;
}

class Screenshots : public MainWindowTest {};

TEST_F(Screenshots, MainWindowAndDialogs)
{
    Window->resize(1280, 800);
    auto& devices = Window->Devices();
    devices.AddDeviceToList(Row("Kavro-10-MB", "boiler-room", "00:60:35:0A:00:01", "2.0.7-R", "10.77.0.11", false));
    devices.AddDeviceToList(Row("Kavro-1C-HL", "-", "00:60:35:0A:00:03", "2.0.6", "10.77.0.13", true));
    devices.AddDeviceToList(Row("Kavro-10-DF1", "-", "00:60:35:0A:00:05", "2.0.8", "10.77.0.15", false));
    devices.AddDeviceToList(
        Row("Kavro-1C-MB", "far-site", "00:60:35:0A:00:0C", "2.0.7", "192.168.5.20", false, "plant.example.com"));
    Window->DeviceList()->setCurrentIndex(Window->DeviceList()->model()->index(0, 0));
    auto* doc = qobject_cast<FakeDocument*>(Window->NewDocument(DocumentKind::ModbusConfig));
    doc->Change();
    Window->NewDocument(DocumentKind::Site);
    Update();
    Shoot(*Window, "main_window");

    TfrmNewFile& newFile = Window->NewFileDialog();
    newFile.SetKinds(DocumentRegistry::AllKinds());
    Shoot(newFile, "new_file");
    newFile.hide();

    Shoot(Window->PasswordDialog(), "password");
    Window->PasswordDialog().hide();

    TfrmVersion& version = Window->VersionDialog();
    version.SetMessage(QString(texts::kTooOld) + texts::kMakerWeb, "Device version: 3.99.99");
    Shoot(version, "version");
    version.hide();

    TfrmNoFeature& feature = Window->NoFeatureDialog();
    feature.SetFeature(texts::kFeatureRelayNotAuthenticated);
    Shoot(feature, "no_feature");
    feature.hide();

    Shoot(Window->AboutDialog(), "about");
    Window->AboutDialog().hide();

    TfrmOptions& options = Window->OptionsDialog();
    Shoot(options, "options_http");
    options.findChild<QTabWidget*>("pgOptions")->setCurrentIndex(1);
    Shoot(options, "options_ftp");
    options.hide();

    TfrmSearchRemote& remote = Window->SearchRemoteDialog();
    remote.show();
    QTest::keyClicks(remote.findChild<QLineEdit*>("txtRemoteIP"), "plant.example.com");
    Shoot(remote, "search_remote");
    remote.hide();

    TInfoMessage& info = Window->InfoMessage();
    info.ShowText(texts::kGettingData);
    Shoot(info, "info_message");
    info.hide();

    QLabel splash;
    splash.setPixmap(SplashPixmap());
    Shoot(splash, "splash");
}

}  // namespace
