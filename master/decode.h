#pragma once

#include "master/mastertranslation.h"
#include "slave/modiconclass.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The reverse of the master translation: which Modbus requests a PLC message
// must describe to target a given data table address.
namespace Corvane::Master {

inline constexpr std::string_view kReadMessageType = " Read";
inline constexpr std::string_view kWriteMessageType = " Write";

// Which message type a command is listed under. Diagnostics is listed under
// neither, so the user may send it with either.
enum class CommandDirection { Read, Write, Either };

// One Modbus command as the window's lists spell it.
struct ModbusCommand {
    std::int16_t functionCode;         // 3
    std::string_view number;           // "03"
    std::string_view text;             // " 03 - Read Holding Registers  (4X)"
    CommandDirection direction;        // Read
    std::optional<ModiconClass> table; // HoldingRegisters; none for diagnostics
};

// The nine commands in function code order: the eight of the lists and
// " 08 - Diagnostics". modbusCommands()[2].text -> " 03 - Read Holding Registers  (4X)"
std::span<const ModbusCommand> modbusCommands();

// The command whose text is exactly `text`, or none.
// " 16 - Pre-set Multiple Registers  (4X)" -> function 16; "16" -> nullptr.
const ModbusCommand *commandWithText(std::string_view text);

// The command with a bare function number of one or two digits, or none.
// "3" -> function 3, "03" -> function 3, "08" -> diagnostics, "07" -> nullptr.
const ModbusCommand *commandWithNumber(std::string_view number);

// The message type that the lists pair with a command text: " Write" for the
// four write commands, " Read" for everything else, unknown texts included.
// " 06 - Pre-set Single Register  (4X)" -> " Write"; " 08 - Diagnostics" -> " Read".
std::string_view defaultMessageType(std::string_view command);

// A PLC type and, for PLC-5, an addressing format; `format` is not read for PLC-3.
struct AddressingScheme {
    PlcType plc = PlcType::Plc5;
    AddressFormat format = AddressFormat::XYY;

    bool operator==(const AddressingScheme &) const = default;
};

// The four schemes in the window's order: NXYY:Z, NXYZ:Z, NYXZ:Z, then PLC-3.
std::span<const AddressingScheme> addressingSchemes();

// "NXYY:Z", "NXYZ:Z", "NYXZ:Z" or "PLC-3".
std::string_view schemeName(const AddressingScheme &scheme);

// One request that the master translation accepts and composes into the
// decoded address.
struct DecodedRequest {
    const ModbusCommand *command = nullptr;
    std::string_view messageType; // " Read" or " Write"
    std::int16_t slaveAddress = 0;
    std::int16_t registerNumber = 0;
};

struct Decoding {
    AddressingScheme scheme;
    // In function code order, reads before writes for diagnostics.
    std::vector<DecodedRequest> requests;
    // Why no request composes into the address; empty when some does.
    std::string whyNone;
};

// Every request of the nine commands that composes into `address` under
// `scheme`. Each one found passes ValidateMaster and composes back into
// exactly `address`. ("N451:234", NXYZ:Z) -> 03 read, 06 and 16 write, slave 5,
// register 1234; ("N451:234", PLC-3) -> none, because slave 451 is above 255.
Decoding DecodeAddress(std::string_view address, const AddressingScheme &scheme);

} // namespace Corvane::Master
