#pragma once

#include <string>
#include <vector>

#include "core/text/Csv.h"

namespace gridtally {

enum class ColumnType { Integer, Decimal, Text };

struct DataColumn {
    std::string name;
    ColumnType type = ColumnType::Text;
};

// A titled table whose columns have names and types, for exports that keep them (CSV,
// JSON, aligned text). Cells are Latin-1 text; a number cell holds its decimal digits
// ("12", "4.5"), and an empty cell of any type stands for no value.
struct DataTable {
    std::string title;
    std::vector<DataColumn> columns;
    std::vector<std::vector<std::string>> rows;

    CsvTable ToCsv() const {
        CsvTable csv;
        for (const DataColumn& column : columns) csv.header.push_back(column.name);
        csv.rows = rows;
        return csv;
    }
};

}  // namespace gridtally
