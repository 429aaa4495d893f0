// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
//
// Writes a generated mapping table to standard output:
//   corvane_make_table slave 1000000 > slave.csv
//   corvane_make_table mixed 100000 > mixed.csv
#include "tables.h"

#include <cstdlib>
#include <iostream>
#include <string_view>

int main(int argc, char **argv)
{
    const std::string_view kind = argc > 1 ? argv[1] : "";
    const long rows = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 0;
    if ((kind != "slave" && kind != "mixed") || rows < 0) {
        std::cerr << "usage: corvane_make_table slave|mixed ROWS\n";
        return 1;
    }
    std::ios::sync_with_stdio(false);
    if (kind == "slave")
        Corvane::Bench::writeSlaveTable(std::cout, rows);
    else
        Corvane::Bench::writeMixedTable(std::cout, rows);
    std::cout.flush();
    return std::cout ? 0 : 1;
}
