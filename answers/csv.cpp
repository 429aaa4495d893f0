// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/csv.h"

#include <array>

namespace Corvane::Answers {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kQuoteInside =
    "a quote stands inside a field that is not quoted as a whole";
constexpr std::string_view kTextAfterQuote = "text follows the closing quote of a field";
constexpr int kEnd = -1;

// What a byte does in a record without quotes.
enum ByteKind : unsigned char { Plain, Separator, Stop /* a line end or a quote */ };
constexpr std::array<ByteKind, 256> kByteKinds = [] {
    std::array<ByteKind, 256> table{};
    table[','] = Separator;
    table['\n'] = table['\r'] = table['"'] = Stop;
    return table;
}();

bool isLineEnd(char c) { return c == '\n' || c == '\r'; }

// Digits, with a fraction and an exponent: "-5", "+2.5", "-.5", "1e3".
bool isPlainNumber(std::string_view text)
{
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t first = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i - first;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == text.size();
}

bool startsFormula(std::string_view field)
{
    if (field.empty())
        return false;
    switch (field.front()) {
    case '=':
    case '@':
    case '\t':
    case '\r':
        return true;
    case '+':
    case '-':
        return !isPlainNumber(field);
    default:
        return false;
    }
}

bool needsQuotes(std::string_view field)
{
    // A plain loop over a table: find_first_of tests each character against
    // the set with a library call, which dominates a large batch.
    for (const char c : field) {
        if (kByteKinds[static_cast<unsigned char>(c)] != Plain)
            return true;
    }
    return false;
}

} // namespace

CsvReader::CsvReader(InputBuffer &input, Start start, std::int64_t line)
    : m_input(input), m_started(start == Start::Record), m_line(line), m_recordLine(line)
{
    m_scratch.reserve(kLongestRecord);
}

void CsvReader::note(std::string_view problem)
{
    if (m_problem.empty())
        m_problem = problem;
}

bool CsvReader::next()
{
    m_fields.clear();
    m_problem = {};
    m_overlong = false;
    if (m_skipping) {
        m_skipping = false;
        if (const char end = m_input.skipLine(LineEnds::AnyBreak))
            countLineEnd(end);
    }
    if (!m_started) {
        m_started = true;
        // Reading on only while the bytes could still be the mark keeps a short
        // first line typed at a terminal from waiting for more.
        while (m_input.held().size() < kByteOrderMark.size() &&
               kByteOrderMark.starts_with(m_input.held()) && m_input.fill()) {
        }
        if (m_input.held().starts_with(kByteOrderMark))
            m_input.consume(kByteOrderMark.size());
    }
    // Empty lines hold no record; the LF of a CR LF is one of them.
    for (;;) {
        if (m_input.held().empty() && !m_input.fill())
            return false;
        if (!isLineEnd(m_input.held().front()))
            break;
        countLineEnd(m_input.held().front());
        m_input.consume(1);
    }
    m_afterCr = false; // the record begins with no line end
    m_recordLine = m_line;
    m_recordOffset = m_input.position();

    // Most records hold no quote: their fields are views of the input, found
    // in the one pass that looks for the record's end.
    m_fieldEnds.clear();
    std::size_t scanned = 0;
    for (;;) {
        const std::string_view held = m_input.held();
        const std::size_t reach = std::min(held.size(), kLongestRecord + 1);
        std::size_t i = scanned;
        for (; i < reach; ++i) {
            const ByteKind kind = kByteKinds[static_cast<unsigned char>(held[i])];
            if (kind == Stop)
                break;
            if (kind == Separator)
                m_fieldEnds.push_back(i);
        }
        if (i < reach) {
            if (held[i] == '"')
                return readQuoted();
            splitPlain(held.substr(0, i));
            countLineEnd(held[i]);
            m_input.consume(i + 1);
            return true;
        }
        if (held.size() > kLongestRecord) {
            markOverlong(reach);
            return true;
        }
        scanned = i;
        if (!m_input.fill()) {
            // The end of the input ends the record; a read error loses it.
            if (m_input.failed())
                return false;
            splitPlain(m_input.held());
            m_input.consume(m_input.held().size());
            return true;
        }
    }
}

void CsvReader::splitPlain(std::string_view record)
{
    std::size_t start = 0;
    for (const std::size_t end : m_fieldEnds) {
        m_fields.push_back(record.substr(start, end - start));
        start = end + 1;
    }
    m_fields.push_back(record.substr(start));
}

void CsvReader::markOverlong(std::size_t length)
{
    m_overlong = true;
    m_fields.clear();
    m_problem = {};
    m_input.consume(length);
    m_skipping = true;
}

bool CsvReader::readQuoted()
{
    m_scratch.clear();
    m_fieldEnds.clear();
    std::size_t position = 0; // in the held bytes, from the record's start
    std::size_t fieldStart = 0;
    bool quoted = false;     // inside a quoted field
    bool wasQuoted = false;  // the current field began with a quote
    std::size_t quoteAt = 0; // where the quote now open stands, and on which line
    std::int64_t quoteLine = 0;
    // The byte at `position`, reading more when the held bytes run out.
    const auto peek = [&]() -> int {
        if (position == m_input.held().size() && !m_input.fill())
            return kEnd;
        return static_cast<unsigned char>(m_input.held()[position]);
    };
    const auto finish = [&] {
        m_fieldEnds.push_back(m_scratch.size());
        std::size_t begin = 0;
        for (const std::size_t end : m_fieldEnds) {
            m_fields.push_back(std::string_view(m_scratch).substr(begin, end - begin));
            begin = end;
        }
        m_input.consume(position);
        return true;
    };

    // A quote that is never closed, seen at the end of the input or at the
    // limit: the record is the quote's fault alone. It ends at the end of the
    // quote's line, where reading goes on; a quote's line that is itself too
    // long stays an over-long record.
    const auto unclosed = [&] {
        const std::string_view held = m_input.held();
        std::size_t end = quoteAt;
        while (end < position && !isLineEnd(held[end]))
            ++end;
        if (end == position && position == kLongestRecord) {
            markOverlong(position);
            return true;
        }
        m_fields.clear();
        m_unclosed = "a quote opened on line " + std::to_string(quoteLine) + " is not closed";
        m_problem = m_unclosed;
        m_line = quoteLine;
        m_afterCr = false;
        if (end < held.size()) {
            countLineEnd(held[end]);
            ++end;
        }
        m_input.consume(end);
        return true;
    };

    for (;;) {
        const int c = peek();
        if (c == kEnd) {
            if (m_input.failed())
                return false;
            if (quoted)
                return unclosed();
            return finish();
        }
        if (!quoted && isLineEnd(static_cast<char>(c))) {
            finish();
            countLineEnd(static_cast<char>(c));
            m_input.consume(1);
            return true;
        }
        if (position == kLongestRecord) {
            if (quoted)
                return unclosed();
            markOverlong(position);
            return true;
        }
        ++position;
        if (quoted) {
            // Line ends inside a quoted field end lines of the input too.
            if (isLineEnd(static_cast<char>(c)))
                countLineEnd(static_cast<char>(c));
            else
                m_afterCr = false;
            if (c != '"') {
                m_scratch += static_cast<char>(c);
            } else if (peek() == '"' && position < kLongestRecord) {
                ++position;
                m_scratch += '"';
            } else {
                quoted = false;
            }
            continue;
        }
        if (c == ',') {
            m_fieldEnds.push_back(m_scratch.size());
            fieldStart = m_scratch.size();
            wasQuoted = false;
            continue;
        }
        if (c == '"') {
            if (m_scratch.size() == fieldStart && !wasQuoted) {
                quoted = true;
                wasQuoted = true;
                quoteAt = position - 1;
                quoteLine = m_line;
                continue;
            }
            note(kQuoteInside);
        } else if (wasQuoted) {
            // A quoted field that ran over lines to a quote followed by text:
            // the quote that opened it was a stray one, and the lines it took
            // in are rows of their own.
            if (quoteLine < m_line)
                return unclosed();
            note(kTextAfterQuote);
        }
        m_scratch += static_cast<char>(c);
    }
}

std::string spreadsheetSafe(std::string_view field)
{
    std::string text;
    if (startsFormula(field))
        text += '\'';
    text += field;
    return text;
}

void writeCsvField(Output &out, std::string_view field, CellSafety safety)
{
    const bool formula = safety == CellSafety::Spreadsheet && startsFormula(field);
    if (!needsQuotes(field)) {
        if (formula)
            out.put('\'');
        out.write(field);
        return;
    }
    out.put('"');
    if (formula)
        out.put('\'');
    for (std::size_t start = 0;;) {
        const std::size_t quote = field.find('"', start);
        if (quote == std::string_view::npos) {
            out.write(field.substr(start));
            break;
        }
        out.write(field.substr(start, quote + 1 - start));
        out.put('"');
        start = quote + 1;
    }
    out.put('"');
}

void writeCsvRecord(Output &out, std::span<const std::string_view> fields, CellSafety safety)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out.put(',');
        writeCsvField(out, fields[i], safety);
    }
    out.write("\r\n");
}

std::string csvRecordText(std::span<const std::string> fields, CellSafety safety)
{
    StringSink sink;
    {
        Output out(sink);
        const std::vector<std::string_view> views(fields.begin(), fields.end());
        writeCsvRecord(out, views, safety);
        out.flush();
    }
    return sink.text;
}

bool isTabSeparated(std::string_view text)
{
    const std::string_view firstLine = text.substr(0, text.find_first_of("\r\n"));
    return firstLine.find('\t') != std::string_view::npos;
}

std::string tabSeparatedAsCsv(std::string_view text)
{
    StringSink sink;
    {
        Output out(sink, 64 * 1024);
        std::string cell;
        std::size_t i = 0;
        bool rowOpen = false;
        while (i < text.size()) {
            cell.clear();
            if (text[i] == '"') {
                // Quoted: up to the quote not doubled; the text behind it, up to
                // the tab or line end, belongs to the cell as well.
                ++i;
                while (i < text.size()) {
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            cell += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    cell += text[i++];
                }
            }
            const std::size_t end = std::min(text.find_first_of("\t\r\n", i), text.size());
            cell.append(text.substr(i, end - i));
            i = end;
            if (rowOpen)
                out.put(',');
            writeCsvField(out, cell);
            rowOpen = true;
            if (i < text.size() && text[i] == '\t') {
                ++i;
                if (i == text.size())
                    out.put(','); // a last cell that is empty
                continue;
            }
            // A line end, CR LF counted once, or the end of the text.
            if (i < text.size() && text[i] == '\r' && ++i < text.size() && text[i] == '\n')
                ++i;
            else if (i < text.size() && text[i] == '\n')
                ++i;
            out.write("\r\n");
            rowOpen = false;
        }
        out.flush();
    }
    return std::move(sink.text);
}

} // namespace Corvane::Answers
