#pragma once

#include "config_transfer.h"

#include <QString>
#include <QTextStream>

#include <string>

namespace qvs::cli {

// Shows a running transfer: on a terminal one line redrawn with a bar, the position and the
// step; otherwise each step's status text on a line of its own.
class TransferProgress : public transfer::ITransferObserver {
public:
    TransferProgress(QTextStream& out, bool terminal) : m_out(out), m_terminal(terminal) {}
    ~TransferProgress() override;

    void OnStatus(const std::string& text) override;
    void OnProgress(int position, int maximum) override;
    // Ends the redrawn line, if any.
    void Finish();

private:
    void Draw();

    QTextStream& m_out;
    bool m_terminal;
    bool m_drawn = false;
    std::string m_status;
    int m_position = 0;
    int m_maximum = 0;
};

// A stop flag raised by Ctrl+C while a transfer runs (the current exchange still completes).
class InterruptStop {
public:
    InterruptStop();
    ~InterruptStop();
    const std::atomic<bool>* Flag() const;
};

}  // namespace qvs::cli
