// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <ostream>
#include <random>

// The mapping tables corvane-cli's batch is measured on; the benchmark and
// the table generator of bench/cli/batch_compare.sh both write them here.
namespace Corvane::Bench {

// A commissioning table of slave rows only: N10:0 to N999:9999 onto holding
// registers 40001 to 49001, 1 to 100 words each; about 25 bytes a row.
inline void writeSlaveTable(std::ostream &out, long rows, std::uint32_t seed = 1)
{
    std::mt19937 random(seed);
    const auto between = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    out << "mode,address,start,count\n";
    for (long i = 0; i < rows; ++i) {
        const int file = between(10, 999);
        const int word = between(0, 9999);
        const int start = between(40001, 49001);
        const int count = between(1, 100);
        out << "slave,N" << file << ':' << word << ',' << start << ',' << count << '\n';
    }
}

// Rows of every kind a commissioning table holds: word and bit addresses onto
// registers and coils, master rows of both PLC types with texts and number
// shortcuts, quoted fields, refusals, and now and then a broken row.
inline void writeMixedRow(std::ostream &out, long i)
{
    switch (i % 8) {
    case 0:
        out << "slave,N7:" << i % 1000 << '/' << i % 16 << ',' << 40001 + i % 9000 << ','
            << 1 + i % 50 << ",,,,,,,,first shift\r\n";
        break;
    case 1:
        out << "slave,B3/" << i % 5000 << ',' << 1 + i % 9000 << ",16,,,,,,,,\r\n";
        break;
    case 2:
        out << "slave,F8:" << i % 100 << ",30001,2,,,,,,,,\"pump 3, flow\"\r\n";
        break;
    case 3:
        out << "master,,,,5,NXYZ:Z,,03,," << 1 + i % 9999 << ',' << 1 + i % 9 << ",\r\n";
        break;
    case 4:
        out << "master,,,,3,,,\" 16 - Pre-set Multiple Registers  (4X)\",," << 1 + i % 9999 << ','
            << i % 256 << ",\r\n";
        break;
    case 5:
        out << "master,,,,5,NYXZ:Z,read,15,," << 1 + i % 9999 << ',' << 1 + i % 3 << ",\r\n";
        break;
    case 6:
        out << "slave,I:" << i % 100 << "/17," << 1 + i % 20000 << ",8,,,,,,,,\r\n";
        break;
    default:
        if (i % 1000 == 7)
            out << "broken,row\r\n";
        else
            out << "slave,X17:0,40001,1,,,,,,,,\"note with \"\"quotes\"\"\"\r\n";
        break;
    }
}

inline void writeMixedTable(std::ostream &out, long rows)
{
    out << "mode,address,start,count,plc,format,message_type,command,subfunction,register,"
           "slave,note\r\n";
    for (long i = 0; i < rows; ++i)
        writeMixedRow(out, i);
}

} // namespace Corvane::Bench
