#pragma once

#include <array>
#include <cstddef>
#include <istream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as RFC 4180 writes them: quoted fields may hold
// commas, doubled quotes and line breaks; records end with CR LF or LF; a
// UTF-8 byte order mark before the first record is skipped.
namespace Corvane::Cli {

// Reads one record at a time from a stream, holding at most one record, so a
// file of any length is read in constant memory.
class CsvReader {
public:
    // Records longer than this are cut short and reported, so that a stray
    // quote cannot make one field swallow the rest of a file into memory.
    static constexpr std::size_t kLongestRecord = 64 * 1024;

    explicit CsvReader(std::istream &in);

    // The next record's fields; false at the end of the input. Empty lines
    // hold no record and are skipped.
    // "a,\"b,c\"\r\n" -> {"a", "b,c"}; "\"say \"\"hi\"\"\"\n" -> {"say \"hi\""}
    bool next(std::vector<std::string> &fields);

    // Why the last record read breaks the format; empty when it does not.
    const std::string &problem() const { return m_problem; }

private:
    int get();
    int peek();

    std::istream &m_in;
    std::vector<char> m_buffer;
    std::size_t m_position = 0;
    std::size_t m_size = 0;
    bool m_started = false;
    std::string m_problem;
};

// Appends one record, quoting the fields that need it, ended by CR LF.
// {"a", "b,c", "say \"hi\""} -> "a,\"b,c\",\"say \"\"hi\"\"\"\r\n"
void appendCsvRecord(std::string &out, std::span<const std::string> fields);
void appendCsvField(std::string &out, std::string_view field);

} // namespace Corvane::Cli
