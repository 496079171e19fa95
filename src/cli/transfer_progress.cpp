#include "transfer_progress.h"

#include <csignal>

namespace qvs::cli {
namespace {

std::atomic<bool> g_interrupted{false};

void OnInterrupt(int)
{
    g_interrupted = true;
}

}  // namespace

TransferProgress::~TransferProgress()
{
    Finish();
}

void TransferProgress::OnStatus(const std::string& text)
{
    m_status = text;
    if (m_terminal)
        Draw();
    else
        m_out << QString::fromStdString(text) << "\n";
}

void TransferProgress::OnProgress(int position, int maximum)
{
    m_position = position;
    m_maximum = maximum;
    if (m_terminal)
        Draw();
}

void TransferProgress::Draw()
{
    constexpr int kWidth = 30;
    const int filled = m_maximum > 0 ? m_position * kWidth / m_maximum : 0;
    const QString bar = QString(filled, '#') + QString(kWidth - filled, '.');
    m_out << "\r[" << bar << "] " << QString("%1/%2 ").arg(m_position, 3).arg(m_maximum, -3)
          << QString::fromStdString(m_status).leftJustified(45, ' ', true);
    m_out.flush();
    m_drawn = true;
}

void TransferProgress::Finish()
{
    if (m_drawn) {
        m_out << "\n";
        m_out.flush();
        m_drawn = false;
    }
}

InterruptStop::InterruptStop()
{
    g_interrupted = false;
    std::signal(SIGINT, OnInterrupt);
}

InterruptStop::~InterruptStop()
{
    std::signal(SIGINT, SIG_DFL);
}

const std::atomic<bool>* InterruptStop::Flag() const
{
    return &g_interrupted;
}

}  // namespace qvs::cli
