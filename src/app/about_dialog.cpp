#include "about_dialog.h"

#include "app_texts.h"
#include "artwork.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

namespace qvs::app {

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmAbout");
    setWindowTitle(texts::kAboutCaption);
    auto* image = new QLabel(this);
    image->setObjectName("imgLogo");
    image->setPixmap(ApplicationIconPixmap(64));
    auto* name = new QLabel(texts::kAboutName, this);
    name->setObjectName("lblName");
    QFont big = name->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    name->setFont(big);
    auto* version = new QLabel(texts::kVersionText, this);
    version->setObjectName("lblVersion");
    auto* os = new QLabel(OperatingSystemLine(), this);
    os->setObjectName("lblOS");
    auto* build = new QLabel(BuildLine(), this);
    build->setObjectName("lblBuild");
    auto* ok = new QPushButton(texts::kOk, this);
    ok->setObjectName("btnOk");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* lines = new QVBoxLayout;
    lines->addWidget(name);
    lines->addWidget(version);
    lines->addSpacing(8);
    lines->addWidget(os);
    lines->addWidget(build);
    auto* top = new QHBoxLayout;
    top->addWidget(image, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(lines, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
}

QString TfrmAbout::OperatingSystemLine()
{
    return QSysInfo::prettyProductName();
}

QString TfrmAbout::BuildLine()
{
    return "Build " + QSysInfo::kernelVersion() + " " + QSysInfo::kernelType() + " " +
           QSysInfo::currentCpuArchitecture();
}

}  // namespace qvs::app
