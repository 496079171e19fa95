// Times the Modbus document window with 128 tags: opening a kvr file into a new window, saving
// it, and filling the window (its tag grid included) from a whole-configuration record.
// Usage: modbus_document_bench RUNS FOLDER
#include "email_dialog.h"
#include "input_integer_dialog.h"
#include "internal_tags_dialog.h"
#include "modbus_config_window.h"
#include "modbus_tags_dialog.h"
#include "prompts.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace qvs;
using namespace qvs::app;

namespace {

// Answers every prompt without showing anything; the save dialog gets the bench file.
class SilentPrompts : public IPrompts {
public:
    QString Path;
    int Messages = 0;
    PromptAnswer Show(PromptKind, const QString&, PromptButtons) override
    {
        ++Messages;
        return PromptAnswer::Yes;
    }
    QString OpenFileName(const QString&) override { return Path; }
    QString SaveFileName(const QString&, const QString&, const QString&) override { return Path; }
    int RunDialog(QDialog&) override { return QDialog::Rejected; }
};

TModbusKavroConfig Record()
{
    TModbusKavroConfig config;
    config.BaudRate = 2;
    config.ScanTime = 100;
    config.MessageTimeout = 1000;
    config.PacketTimeout = 4;
    config.Email.Timeout = 20;
    config.Email.Retries = 5;
    config.Email.RetryInterval = 10;
    config.TagCount = kMaxTags;
    for (int i = 0; i < kMaxTags; ++i) {
        TModbusTagConfig& tag = config.Tags[static_cast<std::size_t>(i)];
        tag.Name = "TAG" + std::to_string(i);
        tag.UnitId = 1 + i % 10;
        tag.TagType = kModbusFloat;
        tag.Address = i + 1;
        tag.WriteLimits = true;
        tag.WriteMin.AsFloat = -0.5f;
        tag.WriteMax.AsFloat = 100.25f;
        tag.AlarmEnable = true;
        tag.AlarmMin.AsFloat = 0.1f;
        tag.AlarmMax.AsFloat = 99.f;
        tag.Scale = kScaleLinear;
        tag.FactorA = 1.5f;
        tag.FactorB = -2.f;
        tag.Kind = kKindFloat;
    }
    return config;
}

struct Figures {
    double Median = 0, Max = 0;
};

Figures Time(int runs, const std::function<void()>& step)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        step();
        ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: modbus_document_bench RUNS FOLDER\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    SilentPrompts prompts;
    prompts.Path = QString::fromLocal8Bit(argv[2]) + "/bench.kvr";
    TfrmInternalTags picker;
    TfrmModbusTags editor(prompts, picker);
    TfrmInputInteger inputInteger(prompts);
    TfrmEmail email(prompts);
    const TModbusDocumentTools tools{editor, inputInteger, email, {}, {}, {}};
    const TModbusKavroConfig record = Record();

    {
        TMDIModbusConfig writer(prompts, tools);
        writer.New("bench.kvr");
        writer.SetAllConfig(record);
        if (!writer.SaveAs()) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(prompts.Path));
            return 1;
        }
    }

    std::unique_ptr<TMDIModbusConfig> opened;
    const Figures open = Time(runs, [&] {
        opened = std::make_unique<TMDIModbusConfig>(prompts, tools);
        opened->Open(prompts.Path);
    });
    const int rows = opened->findChild<QTreeWidget*>("lstTags")->topLevelItemCount();

    const Figures save = Time(runs, [&] {
        if (!opened->UpdateFile()) std::fprintf(stderr, "save failed\n");
    });

    TMDIModbusConfig filled(prompts, tools);
    filled.New("noname1.kvr");
    const Figures fill = Time(runs, [&] { filled.SetAllConfig(record); });

    std::printf("tags=%d runs=%d prompts=%d\n", rows, runs, prompts.Messages);
    std::printf("open_kvr_into_window_ms median=%.2f max=%.2f\n", open.Median, open.Max);
    std::printf("save_window_ms          median=%.2f max=%.2f\n", save.Median, save.Max);
    std::printf("fill_from_record_ms     median=%.2f max=%.2f\n", fill.Median, fill.Max);
    return rows == kMaxTags && prompts.Messages == 0 ? 0 : 1;
}
