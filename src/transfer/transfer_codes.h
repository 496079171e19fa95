#pragma once

#include <cstdint>
#include <optional>

// The codes a gateway uses on the wire for the record enumerations, both ways. A record value
// without a wire code gives nullopt (its key is left out of the packet); a wire code without a
// record value gives nullopt (the field keeps what it held).
namespace qvs::transfer {

// COMTYPE: RS-232 0, RS-485 2, RS-422 3. The wire's 1 reads back as RS-232.
std::optional<int32_t> ComTypeToWire(uint8_t comType);
std::optional<uint8_t> ComTypeFromWire(int32_t code);

// BAUD: the list index of 2400 ... 115200 and the rate itself.
std::optional<int32_t> BaudToWire(uint8_t baudIndex);
std::optional<uint8_t> BaudFromWire(int32_t rate);

// DF1 PARITY: None 0, Odd and Even 1; any non-zero code reads back as Even.
std::optional<int32_t> DF1ParityToWire(uint8_t parity);
uint8_t DF1ParityFromWire(int32_t code);

// DF1 DATABITS: 8 bits 0, 7 bits 1.
std::optional<int32_t> DataBitsToWire(int32_t dataBits);
std::optional<int32_t> DataBitsFromWire(int32_t code);

// DF1 ERRORMTHD: CRC 0, BCC 1, both ways.
std::optional<int32_t> ErrorDetectionToWire(uint8_t errorDetection);
std::optional<uint8_t> ErrorDetectionFromWire(int32_t code);

// MBFUNC: the Modbus reference-table prefix of the register table.
std::optional<int32_t> ModbusFunctionToWire(uint8_t registerTable);
std::optional<uint8_t> ModbusFunctionFromWire(int32_t code);

// HLFUNC: IR 0, SR 1, LR 2, HR 3, TCPV 4, DM 6; the wire's 5 is not an area.
std::optional<int32_t> HostlinkFunctionToWire(uint8_t area);
std::optional<uint8_t> HostlinkFunctionFromWire(int32_t code);

// FILETYPE: the DF1 data-table file-type codes 0x83, 0x82, 0x84, 0x85, 0x89, 0x8A.
std::optional<int32_t> FileTypeToWire(uint8_t fileType);
std::optional<uint8_t> FileTypeFromWire(int32_t code);

// SCALE: none 1, linear 2.
std::optional<int32_t> ScaleToWire(uint8_t scale);
std::optional<uint8_t> ScaleFromWire(int32_t code);

// ADDRESS: records count Modbus addresses from 1, the wire from 0.
// A value whose neighbour does not fit in 32 bits has no counterpart.
std::optional<int32_t> ModbusAddressToWire(int32_t address);
std::optional<int32_t> ModbusAddressFromWire(int32_t code);

}  // namespace qvs::transfer
