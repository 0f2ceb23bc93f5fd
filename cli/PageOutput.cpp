#include "cli/PageOutput.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <ostream>
#include <set>

#include "cli/ReportCommand.h"
#include "core/playdb/PlayDBFile.h"
#include "core/text/Latin1.h"
#include "core/text/TextScan.h"

namespace gridtally {
namespace {

template <typename Number>
bool Is(const std::string& cell) {
    Number value{};
    auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
    return error == std::errc() && end == cell.data() + cell.size();
}

std::string Extension(TableFormat format) {
    switch (format) {
        case TableFormat::Csv:
            return ".csv";
        case TableFormat::Json:
            return ".json";
        default:
            return ".txt";
    }
}

// "Hillcrest - Run Plays.csv", under a filter "Hillcrest - Run Plays - down 3.csv"; a
// character a file name cannot hold becomes '_'. Names
// that come out alike ("a/b" and "a_b") are told apart as "a_b - Run Plays (2).csv".
std::string FileName(const OutputPage& page, TableFormat format, std::set<std::string>& taken) {
    std::string name =
        page.club.empty() ? page.exported.label : page.club + " - " + page.exported.label;
    if (!page.filter.empty()) name += " - " + page.filter;
    for (char& c : name) {
        if (c == '/' || c == '\0') c = '_';
    }
    const std::string stem = Latin1ToUtf8(name);
    std::string file = stem + Extension(format);
    for (int n = 2; !taken.insert(file).second; ++n) {
        file = stem + " (" + std::to_string(n) + ")" + Extension(format);
    }
    return file;
}

std::string Format(const std::vector<OutputPage>& pages, const PageOptions& options,
                   bool terminal) {
    switch (options.format) {
        case TableFormat::Csv:
            return FormatCsv(pages.front().exported.table);
        case TableFormat::Json: {
            std::string out = "[";
            for (std::size_t i = 0; i < pages.size(); ++i) {
                std::string table =
                    FormatTable(TypedTable(pages[i].exported), TableFormat::Json, false);
                out += (i == 0 ? "" : ",\n") + table.substr(0, table.size() - 1);
            }
            return out + "]\n";
        }
        default: {
            std::vector<PrintoutPage> printed;
            for (const OutputPage& page : pages) printed.push_back(page.printed);
            return FormatPrintout(printed, {.bold = options.bold, .columns = terminal});
        }
    }
}

}  // namespace

bool PagePicked(const OutputPage& page, const std::string& label) {
    if (CompareNoCase(page.exported.label, label) == 0) return true;
    return CompareNoCase(label, "Tendencies") == 0 && page.exported.label == kClubPageLabels.back();
}

DataTable TypedTable(const ExportPage& page) {
    DataTable table;
    table.title = page.title;
    table.rows = page.table.rows;
    for (std::size_t c = 0; c < page.table.header.size(); ++c) {
        auto all = [&](bool (*is)(const std::string&)) {
            return std::all_of(
                page.table.rows.begin(), page.table.rows.end(),
                [&](const auto& row) { return c >= row.size() || row[c].empty() || is(row[c]); });
        };
        ColumnType type = all(Is<std::int64_t>) ? ColumnType::Integer
                          : all(Is<double>)     ? ColumnType::Decimal
                                                : ColumnType::Text;
        table.columns.push_back({page.table.header[c], type});
    }
    return table;
}

int WritePages(std::vector<OutputPage> pages, const PageOptions& options, Streams io) {
    if (options.page) {
        std::erase_if(pages,
                      [&](const OutputPage& page) { return !PagePicked(page, *options.page); });
        if (pages.empty()) {
            std::vector<std::string> labels{"Games"};
            labels.insert(labels.end(), kClubPageLabels.begin(), kClubPageLabels.end());
            return Report(io.err, kUsage, "--page: no page is labelled \"", *options.page,
                          "\" (the labels: ", Listed(labels), ")");
        }
    }
    if (options.outDir) {
        std::error_code error;
        std::filesystem::create_directories(*options.outDir, error);
        std::set<std::string> taken;
        for (const OutputPage& page : pages) {
            std::string path =
                (std::filesystem::path(*options.outDir) / FileName(page, options.format, taken))
                    .string();
            std::string why;
            // A link already there is not followed out of the folder: the page replaces it.
            if (!WriteFileAtomically(path, Format({page}, options, false), &why, {},
                                     AtLink::Replace)) {
                return Report(io.err, kFileFailed, "cannot write ", FileNameText(why));
            }
        }
        return kDone;
    }
    if (options.format == TableFormat::Csv && pages.size() > 1) {
        return Report(io.err, kUsage, "CSV holds one page, and this prints ", pages.size(),
                      ": pick one with --page LABEL, or write them all with --out DIR");
    }
    io.out << Format(pages, options, io.outIsTerminal);
    io.out.flush();
    return io.out.good() ? kDone : kFileFailed;
}

}  // namespace gridtally
