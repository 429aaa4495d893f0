#include "cli/csv.h"

#include <algorithm>

namespace Corvane::Cli {
namespace {

constexpr std::size_t kBufferSize = 1 << 16;
constexpr int kEnd = -1;

} // namespace

CsvReader::CsvReader(std::istream &in) : m_in(in), m_buffer(kBufferSize) {}

int CsvReader::peek()
{
    if (m_position == m_size) {
        m_in.read(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
        m_size = static_cast<std::size_t>(m_in.gcount());
        m_position = 0;
        if (m_size == 0)
            return kEnd;
    }
    return static_cast<unsigned char>(m_buffer[m_position]);
}

int CsvReader::get()
{
    const int c = peek();
    if (c != kEnd)
        ++m_position;
    return c;
}

bool CsvReader::next(std::vector<std::string> &fields)
{
    fields.clear();
    m_problem.clear();
    if (!m_started) {
        m_started = true;
        static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
        // The mark may only stand at the very start, where the buffer holds
        // the first bytes of the input.
        if (peek() != kEnd && std::string_view(m_buffer.data(), m_size).starts_with(kByteOrderMark))
            m_position += kByteOrderMark.size();
    }

    // Empty lines hold no record. A carriage return without a line feed is
    // an ordinary character and starts one.
    std::string carriageReturn;
    for (;;) {
        const int c = peek();
        if (c == kEnd)
            return false;
        if (c == '\n') {
            get();
            continue;
        }
        if (c == '\r') {
            get();
            if (peek() == '\n') {
                get();
                continue;
            }
            carriageReturn.assign(1, '\r');
        }
        break;
    }

    std::size_t length = carriageReturn.size();
    const auto note = [this](const char *problem) {
        if (m_problem.empty())
            m_problem = problem;
    };
    const auto keep = [&](std::string &field, char c) {
        if (++length > kLongestRecord) {
            note("the record is longer than 65536 bytes");
            return;
        }
        field += c;
    };

    fields.push_back(std::move(carriageReturn));
    bool quoted = false;    // inside a quoted field
    bool wasQuoted = false; // the current field began with a quote
    for (;;) {
        const int c = get();
        if (c == kEnd) {
            if (quoted)
                note("a quoted field is not closed before the end of the input");
            return true;
        }
        std::string &field = fields.back();
        if (quoted) {
            if (c == '"') {
                if (peek() == '"') {
                    get();
                    keep(field, '"');
                } else {
                    quoted = false;
                }
            } else {
                keep(field, static_cast<char>(c));
            }
            continue;
        }
        if (c == ',') {
            fields.emplace_back();
            wasQuoted = false;
            continue;
        }
        if (c == '\n')
            return true;
        if (c == '\r' && peek() == '\n') {
            get();
            return true;
        }
        if (c == '"') {
            if (field.empty() && !wasQuoted) {
                quoted = true;
                wasQuoted = true;
                continue;
            }
            note("a quote stands inside a field that is not quoted as a whole");
        } else if (wasQuoted) {
            note("text follows the closing quote of a field");
        }
        keep(field, static_cast<char>(c));
    }
}

void appendCsvField(std::string &out, std::string_view field)
{
    // A plain loop: find_first_of tests each character against the set with
    // a library call, which dominates a large batch.
    const bool needsQuotes = std::any_of(field.begin(), field.end(), [](char c) {
        return c == ',' || c == '"' || c == '\r' || c == '\n';
    });
    if (!needsQuotes) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendCsvRecord(std::string &out, std::span<const std::string> fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        appendCsvField(out, fields[i]);
    }
    out += "\r\n";
}

} // namespace Corvane::Cli
