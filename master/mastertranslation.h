#pragma once

#include "core/errorstate.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace Corvane::Master {

enum class PlcType { Plc5, Plc3 };
enum class AddressFormat { XYY, XYZ, YXZ }; // "NXYY:Z", "NXYZ:Z", "NYXZ:Z"

// What the master translation reads from the window: the selections and the
// texts of the boxes and fields, exactly as shown or typed.
struct MasterWindowState {
    bool masterMode = true;                    // MasterOpt selected
    PlcType plc = PlcType::Plc5;               // PLC5Opt / PLC3Opt
    AddressFormat format = AddressFormat::XYY; // XYYOpt / XYZOpt / YXZOpt
    std::string_view messageType;              // MesTypeLst text, " Read"
    std::string_view command;                  // ModCmdLst text
    std::string_view subfunction;              // DiagSubLst text
    std::string_view registerText;             // RegTxt
    std::string_view slaveAddressText;         // SlaveAddrTxt
};

// The request read from the window; the texts view the window's own, and a
// number that does not convert stays -1.
struct MasterRequest {
    std::string_view command;
    std::string_view subfunction;
    std::int16_t slaveAddress = -1;
    std::int16_t registerNumber = -1;
};

// The file code of a command: a PLC-5 digit or a PLC-3 letter, empty for a
// text that is not a command. (" 03 - Read Holding Registers  (4X)", Plc5) -> "4";
// (" 06 - Pre-set Single Register  (4X)", Plc3) -> "S".
std::string_view CommandFileCode(std::string_view command, PlcType plc);

// The four compositions; each expects a request that ValidateMaster accepted.
// FormatXYY(" 03 - ...", "", 5, 100) -> "N405:100"
std::string FormatXYY(std::string_view command, std::string_view subfunction,
                      std::int16_t slaveAddress, std::int16_t registerNumber);
// FormatXYZ(" 03 - ...", "", 5, 1234) -> "N451:234"
std::string FormatXYZ(std::string_view command, std::string_view subfunction,
                      std::int16_t slaveAddress, std::int16_t registerNumber);
// FormatYXZ(" 03 - ...", "", 2, 1200) -> "N141:200"
std::string FormatYXZ(std::string_view command, std::string_view subfunction,
                      std::int16_t slaveAddress, std::int16_t registerNumber);
// FormatPLC3(" 01 - ...", "", 3, 5) -> "B3:5"
std::string FormatPLC3(std::string_view command, std::string_view subfunction,
                       std::int16_t slaveAddress, std::int16_t registerNumber);

// Reads the request: texts as shown, numbers as whole-text 16-bit values.
// register " 12 " -> 12, "2.5" -> 2, "70000" -> -1.
MasterRequest ReadMasterInputs(const MasterWindowState &state);

// Checks the request against the selected PLC type and format; the first
// failing check of the group raises its code (0 to 8) and ends validation.
// Returns the code (0 also when every check passed: test the flag).
std::int16_t ValidateMaster(const MasterWindowState &state, std::int16_t slaveAddress,
                            std::int16_t registerNumber, ErrorState &error);

// The answer of one master translation: the address, or an empty text and the
// code to show.
struct MasterAnswer {
    ErrorState error;
    std::string address;

    bool ok() const { return !error.flag; }
};

// The whole master translation.
// PLC-5, NXYZ:Z, " 03 - Read Holding Registers  (4X)", register "1234",
// slave "5" -> "N451:234".
MasterAnswer TranslateMaster(const MasterWindowState &state);

} // namespace Corvane::Master
