#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qvs {

// Proxy credentials of one qvs.ini section, stored together as an "AUTHDATA" packet.
struct Credentials {
    std::string User;
    std::string Password;
};

// Longest packet text an AUTHDATA value may carry.
inline constexpr std::size_t kMaxAuthDataPacket = 1000;

// Each byte c of the text becomes 256 - c as two upper-case hexadecimal digits: "abc" gives
// "9F9E9D".
std::string EncodeAuthData(std::string_view text);
// The reverse; nothing for a value that is not pairs of upper-case hexadecimal digits.
std::optional<std::string> DecodeAuthData(std::string_view stored);

// The packet text AUTHDATA(USERNAME=..,PASSWORD=..,).
std::string AuthDataPacket(const Credentials& credentials);
// The credentials of a stored value; empty ones for anything undecodable.
Credentials ReadAuthData(std::string_view stored);

}  // namespace qvs
