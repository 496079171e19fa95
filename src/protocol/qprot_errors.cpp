#include "qprot_errors.h"

#include "protocol_texts.h"
#include "text_format.h"

namespace qvs {

MalformedPacketError::MalformedPacketError(std::string packet)
    : QProtError(FormatText(texts::kMalformedPacket, packet.substr(0, 200)), std::move(packet)) {}

IntegerConversionError::IntegerConversionError(std::string text)
    : ConversionError(FormatText(texts::kNotValidInteger, text), text) {}

FloatConversionError::FloatConversionError(std::string text)
    : ConversionError(FormatText(texts::kNotValidFloat, text), text) {}

}  // namespace qvs
