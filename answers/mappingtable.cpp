// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/mappingtable.h"

namespace Corvane::Answers {

std::string columnName(std::string_view header) { return foldedName(header); }

MappingTable::MappingTable(InputBuffer &input) : m_reader(input) {}

MappingTable::MappingTable(InputBuffer &input, const MappingTable &header, std::int64_t line)
    : m_reader(input, CsvReader::Start::Record, line), m_header(header.m_header),
      m_columns(header.m_columns), m_mode(header.m_mode), m_address(header.m_address),
      m_start(header.m_start), m_count(header.m_count)
{
}

std::optional<std::string> MappingTable::readHeader()
{
    if (!m_reader.next())
        return std::nullopt;
    if (m_reader.overlong())
        return overlongMessage("the header row");
    if (!m_reader.problem().empty())
        return "the header row breaks the CSV format: " + std::string(m_reader.problem());
    for (const std::string_view field : m_reader.fields())
        m_header.emplace_back(field);
    for (std::size_t i = 0; i < m_header.size(); ++i) {
        std::string name = columnName(m_header[i]);
        if (!isRequestField(name))
            continue;
        bool seen = false;
        for (const auto &column : m_columns)
            seen = seen || column.first == name;
        if (seen)
            continue; // the first column of a name counts
        for (auto [field, index] : {std::pair{"mode", &m_mode}, std::pair{"address", &m_address},
                                    std::pair{"start", &m_start}, std::pair{"count", &m_count}}) {
            if (name == field)
                *index = i;
        }
        m_columns.emplace_back(std::move(name), i);
    }
    if (m_columns.empty())
        return "the header row names no column of a request: mode, address, start, count, plc, "
               "format, message_type, command, subfunction, register or slave";
    return std::nullopt;
}

bool MappingTable::nextRow()
{
    if (!m_reader.next())
        return false;
    ++m_rowNumber;
    return true;
}

std::optional<std::string> MappingTable::rowProblem() const
{
    if (m_reader.overlong())
        return overlongMessage("the row");
    if (!m_reader.problem().empty())
        return "the row breaks the CSV format: " + std::string(m_reader.problem());
    const auto row = m_reader.fields();
    if (row.size() != m_header.size())
        return "the row has " + std::to_string(row.size()) + " fields, the header " +
               std::to_string(m_header.size());
    if (!m_mode)
        return "the header names no mode column";
    return std::nullopt;
}

std::span<const NamedField> MappingTable::masterFields()
{
    const auto row = m_reader.fields();
    m_fields.clear();
    for (const auto &[name, index] : m_columns) {
        // An empty cell is a field not given: in a mixed table the other
        // mode's cells are empty, and master selections then take the
        // window's start-up values.
        if (!row[index].empty())
            m_fields.push_back({name, row[index]});
    }
    return m_fields;
}

std::string_view MappingTable::cell(const std::optional<std::size_t> &column) const
{
    return column ? m_reader.fields()[*column] : std::string_view();
}

Answer MappingTable::translateRow(Readings readings)
{
    if (auto problem = rowProblem())
        return invalid(std::move(*problem));
    // A slave row's three cells are the window's fields as they stand, so it
    // needs no request built; an empty cell is the empty text either way.
    if (cell(m_mode) == "slave")
        return withReadings(translateSlave({cell(m_address), cell(m_start), cell(m_count)}),
                            readings);
    const auto request = requestFromFields(masterFields(), false);
    if (const auto *error = std::get_if<RequestError>(&request))
        return invalid(error->message);
    return translate(std::get<Request>(request), readings);
}

std::variant<Request, Answer> MappingTable::rowRequest()
{
    if (auto problem = rowProblem())
        return invalid(std::move(*problem));
    if (cell(m_mode) == "slave")
        return SlaveTexts{std::string(cell(m_address)), std::string(cell(m_start)),
                          std::string(cell(m_count))};
    auto request = requestFromFields(masterFields(), false);
    if (auto *error = std::get_if<RequestError>(&request))
        return invalid(std::move(error->message));
    return std::get<Request>(std::move(request));
}

} // namespace Corvane::Answers
