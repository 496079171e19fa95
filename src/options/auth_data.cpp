#include "auth_data.h"

#include "qprot_errors.h"
#include "qprot_packet.h"

namespace qvs {

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string EncodeAuthData(std::string_view text)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string stored;
    stored.reserve(text.size() * 2);
    for (const char ch : text) {
        const unsigned code = (256u - static_cast<unsigned char>(ch)) & 0xffu;
        stored += digits[code >> 4];
        stored += digits[code & 0xf];
    }
    return stored;
}

std::optional<std::string> DecodeAuthData(std::string_view stored)
{
    if (stored.size() % 2 != 0)
        return std::nullopt;
    std::string text;
    text.reserve(stored.size() / 2);
    for (size_t i = 0; i < stored.size(); i += 2) {
        const int high = HexDigit(stored[i]);
        const int low = HexDigit(stored[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        text += static_cast<char>((256 - (high * 16 + low)) % 256);
    }
    return text;
}

std::string AuthDataPacket(const Credentials& credentials)
{
    TPacket packet;
    packet.NewPacket("AUTHDATA");
    packet.AddString("USERNAME", credentials.User);
    packet.AddString("PASSWORD", credentials.Password);
    return packet.GetText();
}

Credentials ReadAuthData(std::string_view stored)
{
    const auto text = DecodeAuthData(stored);
    if (!text)
        return {};
    const TPacket packet(*text);
    try {
        return {packet.GetString("USERNAME", ""), packet.GetString("PASSWORD", "")};
    } catch (const QProtError&) {
        return {};
    }
}

}  // namespace qvs
