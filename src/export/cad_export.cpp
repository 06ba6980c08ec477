#include "export/cad_export.h"

#include "state/editor.h"

namespace vrex {

namespace {

class RecordWriter {
public:
    RecordWriter& operator<<(const std::string& text)
    {
        text_ += text;
        return *this;
    }
    RecordWriter& operator<<(const char* text)
    {
        text_ += text;
        return *this;
    }
    // Plain decimal: a minus sign when negative, no padding, no plus sign.
    RecordWriter& operator<<(Integer number)
    {
        text_ += std::to_string(number);
        return *this;
    }
    void end() { text_ += "\r\n"; }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

} // namespace

std::string buildCadExportText(const PolylineStore& store)
{
    RecordWriter out;
    const auto record = [&out](const char* text) {
        out << text;
        out.end();
    };

    record("X,Y,Line,CADoCode");
    record("Vrex-CAD-v3");
    record(" ");
    record("Define CADline IndexData > <bySequence> ");
    record("Define InLineData > Point ");
    record("Define Point IndexData > <X> <Y> <type>");
    record("Define TopLevelData CAD_Vrex>             TopLevel");
    record("Define        GroupData CAD_Lines >         CADline");
    out << "Define        CADline >                     CADline #=" << store.CadLineCount;
    out.end();

    // The checked tables fault on an index outside them before anything is read.
    const Integer lineCount = store.CadLineCount;
    for (Integer i = 1; i <= lineCount; ++i) {
        const CadLine& line = store.CadLines[i];
        const Integer pointCount = line.PointCount;
        out << "LoopingStart     CADline Loop >                 CADline=" << i << "   #=" << pointCount;
        out.end();
        record("LoopingComment       InLineData comment >           X    Y    Type");
        std::string type = line.LineType;
        type.resize(2, ' ');
        for (Integer j = 1; j <= pointCount; ++j) {
            const CadPoint& point = store.CadPoints[line.PointIds[j]];
            out << "InLine               Point >                        " << point.X << "  " << point.Y << "  " << type;
            out.end();
        }
        record("LoopEnd              Endof >                        ________EndOf ");
    }

    record("LoopEnd          Endof >                        ___EndOf");
    record(" ");
    record("Define GroupData >       Group ");
    record("Define LineData >        LineNum");
    record(" ");

    const Integer groupCount = store.TrendGroupCount;
    for (Integer g = 1; g <= groupCount; ++g) {
        const TrendGroup& group = store.TrendGroups[g];
        out << "Define GroupOf >                  Trends " << group.GroupName << group.GroupSuffix;
        out.end();
        const Integer memberCount = group.TrendCount;
        for (Integer k = 1; k <= memberCount; ++k) {
            out << "InLine                                  " << group.TrendLines[k];
            out.end();
        }
        record("End GroupData                     End");
    }

    record("               >        End ");
    record("DataFIle                                EndOfDataFile");
    return out.take();
}

std::string cadExportPath(const Services& services)
{
    const char separator = services.windowsPaths ? '\\' : '/';
    // Bytes as given: a profile path need not be valid text.
    if (std::optional<std::string> profile = services.environment("USERPROFILE"))
        return *profile + separator + "My Documents" + separator + CadExportFileName;
    // No Linux desktop sets USERPROFILE, nor has a "My Documents": the file
    // goes to the documents folder the desktop names.
    if (std::optional<std::string> documents = services.documentsFolder(); documents && !documents->empty())
        return *documents + separator + CadExportFileName;
    std::optional<std::string> home;
    if (!services.windowsPaths)
        home = services.environment("HOME");
    return home.value_or("") + separator + "My Documents" + separator + CadExportFileName;
}

void WriteCadExportFile(Editor& editor)
{
    const std::string path = cadExportPath(editor.services);
    std::optional<std::string> failure;
    std::string text;
    try {
        text = buildCadExportText(editor.store);
    } catch (const RuntimeFault& fault) {
        failure = fault.what();
    }
    if (!failure) {
        failure = editor.services.writeWholeFile(path, text);
        if (!failure) {
            editor.services.endProgram();
            return;
        }
    }
    editor.controls.UserMustSee = "Could not write " + path + ": " + *failure;
}

} // namespace vrex
