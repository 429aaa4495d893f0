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
      holding registers (4X): offsets 0-9 (0x0000-0x0009), 6-digit 400001-400010; ...
  corvane-cli master --format NXYZ:Z --command 03 --register 1234 --slave 5
      N451:234
      holding registers (4X): start 41234, offset 1233 (0x04D1), 6-digit 401234; ...
  corvane-cli decode N451:234
  corvane-cli batch table.csv > mapped.csv
  corvane-cli check table.csv
  echo '{"mode":"slave","address":"N7:0","start":"40001","count":"10"}' | corvane-cli --jsonl

Under an example is what it prints; "..." leaves text out. Every field is taken
verbatim, as if typed into the window; a field that a silent rule reads (no
number, text after the number, out of range, a fraction rounded) gets a warning
beside the answer, and --strict refuses it instead. A command or message type
must name an entry or a function number. A CSV record or JSON line may be at
most 65536 bytes long.
Exit status: 0 answered; 1 usage error; 2 refused by the rules (the window's
error box, written to standard error), a command or message type that names
none, a bad request line or row, a header that cannot be read, or check found
something; 3 the input could not be read or is the output, the output could not
be written or memory ran out (a message says why); 141 the reader of the output
went away while SIGPIPE was ignored; 128 + N stopped by signal N (SIGINT,
SIGTERM, SIGHUP) after the last whole row, which a message names.)help";

inline constexpr const char *kSlave =
    R"help(The three texts are the window's Data File, Modicon Start Register and Number of
Registers fields. Texts may begin with "-": a negative count such as -5 is a text.

Examples:
  corvane-cli slave "N7:4/5" 40001 10
      file 7 word 4 modicon 40001-40010
      holding registers (4X): offsets 0-9 (0x0000-0x0009), 6-digit 400001-400010; ...
  corvane-cli slave "N7:4/5" 6 10          # coils follow the bit
      file 7 word 4 modicon 1-15
      coils (0X): offsets 0-14 (0x0000-0x000E), 6-digit 000001-000015; ...
  corvane-cli slave F8:0 40001 10          # floats take two words
      file 8 word 0 modicon 40001-40020
      holding registers (4X): offsets 0-19 (0x0000-0x0013), 6-digit 400001-400020; ...
  corvane-cli slave N7:0 40010 -5
      file 7 word 0 modicon 40010-40004
      holding registers (4X): offsets 9-3 (0x0009-0x0003), 6-digit 400010-400004; ...
  corvane-cli slave F8/3 1 1               # refused: error box code 10, exit status 2
      An Error has Occured!
      Invalid Modbus Register/Coil
      Due to the needed offset when mapping the desired AB bit to a Modbus Coil,
      The value of the Modicon Start Register has been adjusted to a value that is out of Range
  corvane-cli slave --json N7:0 40001 10
      {"ok":true,"file":7,"word":0,"modicon_start":40001,"modicon_end":40010,...}

The second line gives the table, the 0-based protocol offsets (decimal and hex),
the 6-digit references and the function codes that read and write the table.)help";

inline constexpr const char *kMaster =
    R"help(Options not given take the window's start-up values: PLC-5, NXYY:Z,
" 01 - Read Coil Status  (0X)", " 00 - Return Data Query", empty register and slave.
A missing message type follows the command: " Write" for 05, 06, 15 and 16,
" Read" otherwise. --command takes a function number (03, 3, 16) or the entry's
full text, blanks around it aside; any other text is refused (exit status 2).
--message-type takes read or write, in any case; a read command under write is
refused, since no PLC message describes it.

Examples:
  corvane-cli master --format NXYZ:Z --command 03 --register 1234 --slave 5
      N451:234
      holding registers (4X): start 41234, offset 1233 (0x04D1), 6-digit 401234; ...
  corvane-cli master --command 1 --register 100 --slave 5
      N5:100
      coils (0X): start 100, offset 99 (0x0063), 6-digit 000100; read with 01, ...
  corvane-cli master --format NYXZ:Z --command 15 --register 4010 --slave 3
      N204:010
      coils (0X): start 4010, offset 4009 (0x0FA9), 6-digit 004010; read with 01, ...
  corvane-cli master --plc 3 --command 05 --register 12 --slave 8
      F8:12
      coils (0X): start 12, offset 11 (0x000B), 6-digit 000012; read with 01, ...
  corvane-cli master --plc 3 --message-type read --command 03 --register 1 --slave 0
      An Error has Occured!
      Invalid Command
      Only Write functions are supported with the Broadcast Address
  corvane-cli master --json --command " 03 - Read Holding Registers  (4X)" --register 100 --slave 5
      {"ok":true,"address":"N405:100","modicon_start":40100,...})help";

inline constexpr const char *kDecode =
    R"help(Lists every request of the nine Modbus commands that composes into ADDRESS:
message type, function code, slave address and start register or coil, with the
Modicon reference where it starts; where none does, says which rule stops it.

Examples:
  corvane-cli decode N451:234 --format NXYZ:Z
      N451:234 under NXYZ:Z:
        03 Read Holding Registers (read), slave 5, start register 1234: holding registers 41234, ...
        06 Pre-set Single Register (write), slave 5, start register 1234: holding registers 41234, ...
        16 Pre-set Multiple Registers (write), slave 5, start register 1234: holding registers 41234, ...
  corvane-cli decode N451:234               # under every scheme
      N451:234 under NXYY:Z:
        03 Read Holding Registers (read), slave 51, start register 234: holding registers 40234, ...
        06 Pre-set Single Register (write), slave 51, start register 234: holding registers 40234, ...
        16 Pre-set Multiple Registers (write), slave 51, start register 234: holding registers 40234, ...
      N451:234 under NXYZ:Z:
        03 Read Holding Registers (read), slave 5, start register 1234: holding registers 41234, ...
        06 Pre-set Single Register (write), slave 5, start register 1234: holding registers 41234, ...
        16 Pre-set Multiple Registers (write), slave 5, start register 1234: holding registers 41234, ...
      N451:234 under NYXZ:Z: no request, the file number must be the slave address less one ...
      N451:234 under PLC-3: no request, the file number must be a slave address from 0 to 255, ...
  corvane-cli decode B3:5 --plc 3
      B3:5 under PLC-3:
        01 Read Coil Status (read), slave 3, start coil 5: coils 5, offset 4 (0x0004), ...
        15 Force Multiple Coils (write), slave 3, start coil 5: coils 5, offset 4 (0x0004), ...
  corvane-cli decode --json N0:100
      {"address":"N0:100","ok":true,"schemes":[{"plc":"5","format":"NXYY:Z","requests":[],...}]})help";

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
write_functions, warnings. An input column whose name is taken gets a suffix:
result_2. A bad row, or one longer than 65536 bytes, gets its error in its own
result row; every row gets exactly one. A quote that is never closed costs its
own line: that row is an error and reading goes on at the next line. Empty
master selection cells take the window's start-up values.
--safe-for-spreadsheets puts an apostrophe before every cell that begins with
=, +, -, @, a tab or a CR and is no number, so that a spreadsheet opening the
output shows the text instead of running it as a formula.

Examples:
  corvane-cli batch table.csv > mapped.csv
  printf 'mode,address,start,count\nslave,N7:0,40001,10\n' | corvane-cli batch -
      mode,address,start,count,result,file,word,modicon_start,modicon_end,...
      slave,N7:0,40001,10,ok,7,0,40001,40010,,,,holding registers,4X,0,0x0000,400001,...
  corvane-cli batch --safe-for-spreadsheets table.csv > for-excel.csv
  corvane-cli batch --json table.csv)help";

inline constexpr const char *kCheck =
    R"help(FILE is a mapping table as batch reads it. Reports each row the rules refuse or
cannot read, then each pair of answered slave rows whose Modicon ranges share a
register or coil of the same table (both rows and the shared range, at most
10000 pairs; the summary counts them all), then a summary line. Each field that
a silent rule read is a warning, and so is a run of no word or bit, which
covers no number and overlaps nothing. Master rows are counted, not compared.
Exit status 0 when nothing was found, 2 otherwise.

The examples are for a table whose third row is refused, whose sixth is short of
fields and whose first two share holding registers.

Examples:
  corvane-cli check table.csv
      row 3: refused, error box code 10: Invalid Modbus Register/Coil
      row 6: invalid, the row has 2 fields, the header 4
      rows 1 and 2 overlap in holding registers 40005-40010
      6 rows: 4 slave rows answered, 1 refused, 1 invalid; 1 overlapping pair
  corvane-cli check --json table.csv
      {"kind":"refused","row":3,"code":10,"message":"Invalid Modbus Register/Coil\r\n..."}
      {"kind":"invalid","row":6,"error":"the row has 2 fields, the header 4"}
      {"kind":"overlap","rows":[1,2],"table":"holding registers","reference":"4X","start":40005,"end":40010}
      {"kind":"summary","rows":6,"answered":4,"master_rows":0,"refused":1,"invalid":1,...})help";

} // namespace Corvane::Cli::Help
