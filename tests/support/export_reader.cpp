#include "export_reader.h"

#include <optional>
#include <string_view>

namespace vrex::testing {

namespace {

// A decimal as the export writes it: optional minus, digits, no leading zero.
bool takeNumber(std::string_view& rest, int& value)
{
    std::size_t i = 0;
    const bool negative = !rest.empty() && rest[0] == '-';
    if (negative)
        ++i;
    const std::size_t first = i;
    while (i < rest.size() && rest[i] >= '0' && rest[i] <= '9')
        ++i;
    const std::size_t digits = i - first;
    if (digits == 0 || digits > 5 || (digits > 1 && rest[first] == '0') ||
        (negative && digits == 1 && rest[first] == '0'))
        return false;
    long v = std::stol(std::string(rest.substr(first, digits)));
    value = static_cast<int>(negative ? -v : v);
    rest.remove_prefix(i);
    return true;
}

bool takeLiteral(std::string_view& rest, std::string_view literal)
{
    if (rest.substr(0, literal.size()) != literal)
        return false;
    rest.remove_prefix(literal.size());
    return true;
}

} // namespace

std::string readExport(const std::string& text, ExportedDrawing& out)
{
    std::vector<std::string_view> records;
    std::string_view all(text);
    while (!all.empty()) {
        const std::size_t lf = all.find('\n');
        if (lf == std::string_view::npos || lf == 0 || all[lf - 1] != '\r')
            return "record " + std::to_string(records.size() + 1) + " does not end in CR LF";
        const std::string_view record = all.substr(0, lf - 1);
        if (record.find('\r') != std::string_view::npos)
            return "a stray CR inside record " + std::to_string(records.size() + 1);
        records.push_back(record);
        all.remove_prefix(lf + 1);
    }

    std::size_t at = 0;
    const auto next = [&]() -> std::optional<std::string_view> {
        if (at >= records.size())
            return std::nullopt;
        return records[at++];
    };
    const auto expectRecord = [&](std::string_view literal) -> std::string {
        const auto r = next();
        if (!r || *r != literal)
            return "record " + std::to_string(at) + " is not \"" + std::string(literal) + "\"";
        return {};
    };

    for (std::string_view h : {"X,Y,Line,CADoCode", "Vrex-CAD-v3", " ", "Define CADline IndexData > <bySequence> ",
                               "Define InLineData > Point ", "Define Point IndexData > <X> <Y> <type>",
                               "Define TopLevelData CAD_Vrex>             TopLevel",
                               "Define        GroupData CAD_Lines >         CADline"}) {
        if (std::string e = expectRecord(h); !e.empty())
            return e;
    }
    {
        auto r = next();
        if (!r || !takeLiteral(*r, "Define        CADline >                     CADline #=") ||
            !takeNumber(*r, out.declaredLines) || !r->empty())
            return "bad line count record";
    }

    const std::string_view blockStart = "LoopingStart     CADline Loop >                 CADline=";
    const std::string_view vertexPrefix = "InLine               Point >                        ";
    while (at < records.size() && records[at].substr(0, blockStart.size()) == blockStart) {
        std::string_view r = next().value();
        ExportedLine line;
        r.remove_prefix(blockStart.size());
        if (!takeNumber(r, line.number) || !takeLiteral(r, "   #=") || !takeNumber(r, line.declaredPoints) ||
            !r.empty())
            return "bad block start at record " + std::to_string(at);
        if (std::string e = expectRecord("LoopingComment       InLineData comment >           X    Y    Type");
            !e.empty())
            return e;
        while (at < records.size() && records[at].substr(0, vertexPrefix.size()) == vertexPrefix) {
            std::string_view v = next().value();
            v.remove_prefix(vertexPrefix.size());
            ExportedLine::Point p{};
            if (!takeNumber(v, p.x) || !takeLiteral(v, "  ") || !takeNumber(v, p.y) || !takeLiteral(v, "  ") ||
                v.size() != 2)
                return "bad vertex record " + std::to_string(at);
            p.type = std::string(v);
            line.points.push_back(p);
        }
        if (std::string e = expectRecord("LoopEnd              Endof >                        ________EndOf ");
            !e.empty())
            return e;
        out.lines.push_back(std::move(line));
    }

    // No group is ever made, so the group section is empty.
    for (std::string_view t :
         {"LoopEnd          Endof >                        ___EndOf", " ", "Define GroupData >       Group ",
          "Define LineData >        LineNum", " ", "               >        End ",
          "DataFIle                                EndOfDataFile"}) {
        if (std::string e = expectRecord(t); !e.empty())
            return e;
    }
    if (at != records.size())
        return "records after the trailer";
    return {};
}

std::string compareWithStore(const ExportedDrawing& file, const PolylineStore& store)
{
    const int n = store.CadLineCount;
    if (file.declaredLines != n || static_cast<int>(file.lines.size()) != n)
        return "export has " + std::to_string(file.declaredLines) + " declared and " +
               std::to_string(file.lines.size()) + " written lines, the store " + std::to_string(n);
    for (int i = 1; i <= n; ++i) {
        const ExportedLine& got = file.lines[static_cast<std::size_t>(i - 1)];
        const CadLine& line = store.CadLines[i];
        const std::string where = "export line " + std::to_string(i);
        if (got.number != i)
            return where + " is numbered " + std::to_string(got.number);
        if (got.declaredPoints != line.PointCount || static_cast<int>(got.points.size()) != line.PointCount)
            return where + " declares " + std::to_string(got.declaredPoints) + " and lists " +
                   std::to_string(got.points.size()) + " vertices, the store " + std::to_string(line.PointCount);
        for (int j = 1; j <= line.PointCount; ++j) {
            const CadPoint& p = store.CadPoints[line.PointIds[j]];
            const ExportedLine::Point& q = got.points[static_cast<std::size_t>(j - 1)];
            if (q.x != p.X || q.y != p.Y || q.type != "UN")
                return where + " vertex " + std::to_string(j) + " reads " + std::to_string(q.x) + "," +
                       std::to_string(q.y) + " " + q.type + ", the store " + std::to_string(p.X) + "," +
                       std::to_string(p.Y);
        }
    }
    return {};
}

} // namespace vrex::testing
