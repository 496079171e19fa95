#pragma once

#include "packet_exchange.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace qvs::test {

// An in-process stand-in for a gateway's administration endpoint: it keeps what SETCOM,
// SETSMTP, SETTOO and ADDTAG carried and answers the matching GET with the same keys, ACKs
// every other command, and records each request. Faults are armed per request number.
class FakeGateway : public IPacketExchange {
public:
    struct Request {
        std::string Host;
        Endpoint Where;
        std::string Text;
    };

    ExchangeReply Exchange(const std::string& host, Endpoint endpoint,
                           const TPacket& request) override
    {
        const int number = static_cast<int>(m_requests.size());
        m_requests.push_back({host, endpoint, request.GetText()});
        ExchangeReply answer;
        if (const auto fault = m_faults.find(number); fault != m_faults.end()) {
            if (!fault->second) {
                answer.Failure = "connection refused";
                return answer;
            }
            answer.Ok = true;
            answer.Reply.SetText(*fault->second);
            return answer;
        }
        answer.Ok = true;
        answer.Reply.SetText(Answer(request));
        return answer;
    }

    // The request with this number (0 = first) gets this reply, or a transport failure.
    void ReplyAt(int number, std::string reply) { m_faults[number] = std::move(reply); }
    void NoResponseAt(int number) { m_faults[number] = std::nullopt; }
    void ClearFaults() { m_faults.clear(); }
    // Replaces the stored answer for one command, e.g. "GETCOM" -> "COM(PARITY=1,);".
    void SetReply(const std::string& command, std::string reply) { m_replies[command] = std::move(reply); }
    // Stored GETTAG answers by tag number, when a test wants to give its own.
    void SetTagReply(int index, std::string reply) { m_tagReplies[index] = std::move(reply); }

    const std::vector<Request>& Requests() const { return m_requests; }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const auto& request : m_requests)
            texts.push_back(request.Text);
        return texts;
    }
    void ClearRequests() { m_requests.clear(); }

private:
    static std::string Keys(const std::string& text)
    {
        const auto open = text.find('(');
        const auto close = text.rfind(");");
        if (open == std::string::npos || close == std::string::npos || close < open)
            return "";
        return text.substr(open + 1, close - open - 1);
    }

    std::string Answer(const TPacket& request)
    {
        const std::string name = request.GetName();
        const std::string keys = Keys(request.GetText());
        if (const auto given = m_replies.find(name); given != m_replies.end())
            return given->second;
        if (name == "SETCOM")
            m_com = keys;
        else if (name == "SETSMTP")
            m_smtp = keys;
        else if (name == "SETTOO")
            m_too[request.GetInteger("TOO", -1)] = keys;
        else if (name == "DELALLTAG")
            m_tags.clear();
        else if (name == "ADDTAG")
            m_tags.push_back(keys);
        else if (name == "GETTAGCOUNT")
            return "TAGCOUNT(COUNT=" + std::to_string(m_tags.size()) + ",);";
        else if (name == "GETCOM")
            return "COM(" + m_com + ");";
        else if (name == "GETSMTP")
            return "SMTP(" + m_smtp + ");";
        else if (name == "GETTOO")
            return "TOO(" + m_too[request.GetInteger("TOO", -1)] + ");";
        else if (name == "GETTAG") {
            const int index = request.GetInteger("TAG", -1);
            if (const auto given = m_tagReplies.find(index); given != m_tagReplies.end())
                return given->second;
            if (index < 0 || index >= static_cast<int>(m_tags.size()))
                return "NAK(REASON=no such tag,);";
            return "TAGCONFIG(" + m_tags[index] + ");";
        }
        return "ACK();";
    }

    std::vector<Request> m_requests;
    std::map<int, std::optional<std::string>> m_faults;
    std::map<std::string, std::string> m_replies;
    std::map<int, std::string> m_tagReplies;
    std::string m_com, m_smtp;
    std::map<int, std::string> m_too;
    std::vector<std::string> m_tags;
};

}  // namespace qvs::test
