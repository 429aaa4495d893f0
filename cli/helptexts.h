// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The texts of corvane-cli --help and of each subcommand's --help.
namespace Corvane::Cli::Help {

inline constexpr const char *kDescription =
    "Corvane's command-line companion: maps Allen-Bradley PLC-3 and PLC-5 data table "
    "addresses to Modbus/Modicon references by the gateway's rules, exactly as the window "
    "does, for scripts and mapping tables.";

inline constexpr const char *kMain = R"help(Examples:
  corvane-cli slave "N7:4/5" 40001 10
      file 7 word 4 modicon 40001-40010
  corvane-cli master --format NXYZ:Z --command 03 --register 1234 --slave 5
      N451:234
  corvane-cli decode N451:234
  corvane-cli batch table.csv > mapped.csv
  corvane-cli check table.csv
  echo '{"mode":"slave","address":"N7:0","start":"40001","count":"10"}' | corvane-cli --jsonl

Every text is taken verbatim, as if typed into the window's field. A CSV record
or JSON line may be at most 65536 bytes long.
Exit status: 0 answered; 1 usage error; 2 refused by the rules (the window's
error box, written to standard error), a bad request line or row, a header that
cannot be read, or check found something; 3 the input could not be read, the
output could not be written or memory ran out (a message says why); 141 the
reader of the output went away while SIGPIPE was ignored.)help";

inline constexpr const char *kSlave =
    R"help(The three texts are the window's Data File, Modicon Start Register and Number of
Registers fields. Texts may begin with "-": a negative count such as -5 is a text.

Examples:
  corvane-cli slave "N7:4/5" 40001 10      file 7 word 4 modicon 40001-40010
  corvane-cli slave "N7:4/5" 6 10          file 7 word 4 modicon 1-15 (coils follow the bit)
  corvane-cli slave F8:0 40001 10          file 8 word 0 modicon 40001-40020 (floats take two)
  corvane-cli slave N7:0 40010 -5          file 7 word 0 modicon 40010-40004
  corvane-cli slave F8/3 1 1               refused: error box code 10, exit status 2
  corvane-cli slave --json N7:0 40001 10
      {"ok":true,"file":7,"word":0,"modicon_start":40001,"modicon_end":40010,...}

The second line gives the table, the 0-based protocol offsets (decimal and hex),
the 6-digit references and the function codes that read and write the table.)help";

inline constexpr const char *kMaster =
    R"help(Options not given take the window's start-up values: PLC-5, NXYY:Z,
" 01 - Read Coil Status  (0X)", " 00 - Return Data Query", empty register and slave.
A missing message type follows the command: " Write" for 05, 06, 15 and 16,
" Read" otherwise. --command takes a function number (03, 3, 16) or the entry's
full text; --message-type takes read, write or the full text.

Examples:
  corvane-cli master --format NXYZ:Z --command 03 --register 1234 --slave 5    N451:234
  corvane-cli master --command 1 --register 100 --slave 5                     N5:100
  corvane-cli master --format NYXZ:Z --command 15 --register 4010 --slave 3   N204:010
  corvane-cli master --plc 3 --command 05 --register 12 --slave 8             F8:12
  corvane-cli master --plc 3 --message-type read --command 03 --register 1 --slave 0
      refused: error box code 8 (only writes go to the broadcast address)
  corvane-cli master --json --command " 03 - Read Holding Registers  (4X)" --register 100 --slave 5
      {"ok":true,"address":"N405:100","modicon_start":40100,...})help";

inline constexpr const char *kDecode =
    R"help(Lists every request of the nine Modbus commands that composes into ADDRESS:
message type, function code, slave address and start register or coil, with the
Modicon reference where it starts; where none does, says which rule stops it.

Examples:
  corvane-cli decode N451:234               NXYZ:Z: 03 (read), 06 and 16 (write), slave 5, register 1234
  corvane-cli decode N451:234 --format NXYZ:Z
  corvane-cli decode B3:5 --plc 3           01 (read) and 15 (write), slave 3, coil 5
  corvane-cli decode --json N0:100)help";

inline constexpr const char *kBatch =
    R"help(FILE is a CSV mapping table (RFC 4180, lines ended by CR LF, LF or CR; "-" reads
standard input). Its header row names the columns: mode,address,start,count for
slave rows and mode,plc,format,message_type,command,subfunction,register,slave
for master rows, in any order and mixed in one file. Other columns are carried
through. A header that cannot be read (longer than 65536 bytes, broken quoting,
no column above) stops the run with exit status 2.
The output repeats each row's columns and adds: result (ok, refused or invalid),
file, word, modicon_start, modicon_end, data_table_address, error_code,
error_message, table, reference, start_offset, start_offset_hex,
start_reference6, end_offset, end_offset_hex, end_reference6, read_functions,
write_functions. An input column whose name is taken gets a suffix: result_2.
A bad row, or one longer than 65536 bytes, gets its error in its own result
row; every row gets exactly one. Empty master selection cells take the window's
start-up values.
--safe-for-spreadsheets puts an apostrophe before every cell that begins with
=, +, -, @, a tab or a CR and is no number, so that a spreadsheet opening the
output shows the text instead of running it as a formula.

Examples:
  corvane-cli batch table.csv > mapped.csv
  printf 'mode,address,start,count\nslave,N7:0,40001,10\n' | corvane-cli batch -
  corvane-cli batch --safe-for-spreadsheets table.csv > for-excel.csv
  corvane-cli batch --json table.csv)help";

inline constexpr const char *kCheck =
    R"help(FILE is a mapping table as batch reads it. Reports each row the rules refuse or
cannot read, then each pair of answered slave rows whose Modicon ranges share a
register or coil of the same table (both rows and the shared range, at most
10000 pairs; the summary counts them all), then a summary line. Master rows are
counted, not compared. Exit status 0 when nothing was found, 2 otherwise.

Examples:
  corvane-cli check table.csv
      rows 2 and 5 overlap in holding registers 40005-40010
      6 rows: 4 slave rows answered, 1 refused, 1 invalid; 1 overlapping pair
  corvane-cli check --json table.csv
      {"kind":"overlap","rows":[2,5],"table":"holding registers","reference":"4X","start":40005,"end":40010})help";

} // namespace Corvane::Cli::Help
