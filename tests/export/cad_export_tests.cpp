#include "export/cad_export.h"

#include "drawing_builder.h"
#include "model/polyline_store.h"
#include "state/editor.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <vector>

namespace vrex {
namespace {

using testing::addLine;

std::vector<std::string> records(const std::string& text)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "text after the last CR LF: " << text.substr(start);
            break;
        }
        out.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return out;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

const std::string B2 = "LoopingComment       InLineData comment >           X    Y    Type";
const std::string B4 = "LoopEnd              Endof >                        ________EndOf ";
const std::string B3Prefix = "InLine               Point >                        ";

class CadExport : public ::testing::Test {
protected:
    Editor editor;
    PolylineStore& store = editor.store;
};

TEST_F(CadExport, WorkedExampleMatchesTheReferenceFileByteForByte)
{
    addLine(editor, {{120, 45}, {300, 60}});
    addLine(editor, {{50, 200}, {180, 210}, {260, 190}});
    EXPECT_EQ(buildCadExportText(store), readFile(VREX_TEST_DATA "/worked_example.csv"));
}

TEST_F(CadExport, EmptyTableGivesTheSixteenFixedRecords)
{
    const std::vector<std::string> r = records(buildCadExportText(store));
    ASSERT_EQ(r.size(), 16u);
    EXPECT_EQ(r[8], "Define        CADline >                     CADline #=0");
    EXPECT_EQ(r[9], "LoopEnd          Endof >                        ___EndOf");
    EXPECT_EQ(r[15], "DataFIle                                EndOfDataFile");
}

TEST_F(CadExport, LineWithoutVerticesHasOnlyItsFrame)
{
    addLine(editor, {{1, 2}});
    addLine(editor, {});
    const std::vector<std::string> r = records(buildCadExportText(store));
    ASSERT_EQ(r.size(), 16u + 4u + 3u);
    EXPECT_EQ(r[13], "LoopingStart     CADline Loop >                 CADline=2   #=0");
    EXPECT_EQ(r[14], B2);
    EXPECT_EQ(r[15], B4);
}

TEST_F(CadExport, NegativeCoordinatesKeepTheirSignAfterTheTwoSpaces)
{
    addLine(editor, {{-12, -3}, {0, 7}});
    const std::vector<std::string> r = records(buildCadExportText(store));
    EXPECT_EQ(r[11], B3Prefix + "-12  -3  UN");
    EXPECT_EQ(r[12], B3Prefix + "0  7  UN");
}

TEST_F(CadExport, LinesAreNumberedInTableOrderAfterADeletion)
{
    for (int k = 0; k < 4; ++k)
        addLine(editor, {{k, k}});
    store.SelectedLine = 2;
    DeleteSelectedLine(editor);
    const std::vector<std::string> r = records(buildCadExportText(store));
    std::vector<std::string> starts, points;
    for (const std::string& rec : r) {
        if (rec.rfind("LoopingStart", 0) == 0)
            starts.push_back(rec.substr(rec.find("CADline=")));
        if (rec.rfind(B3Prefix, 0) == 0)
            points.push_back(rec.substr(B3Prefix.size()));
    }
    EXPECT_EQ(starts, (std::vector<std::string>{"CADline=1   #=1", "CADline=2   #=1", "CADline=3   #=1"}));
    EXPECT_EQ(points, (std::vector<std::string>{"0  0  UN", "2  2  UN", "3  3  UN"}));
    EXPECT_EQ(r[8], "Define        CADline >                     CADline #=3");
}

TEST_F(CadExport, GroupsAreWrittenBetweenTheLineDataAndTheTrailer)
{
    store.TrendGroupCount = 1;
    TrendGroup& group = store.TrendGroups[1];
    group.GroupName = "Sand";
    group.GroupSuffix = "-top";
    group.TrendCount = 2;
    group.TrendLines[1] = 4;
    group.TrendLines[2] = 11;
    const std::vector<std::string> r = records(buildCadExportText(store));
    ASSERT_EQ(r.size(), 16u + 4u);
    EXPECT_EQ(r[13], " ");
    EXPECT_EQ(r[14], "Define GroupOf >                  Trends Sand-top");
    EXPECT_EQ(r[15], "InLine                                  4");
    EXPECT_EQ(r[16], "InLine                                  11");
    EXPECT_EQ(r[17], "End GroupData                     End");
    EXPECT_EQ(r[18], "               >        End ");
}

TEST_F(CadExport, IndexOutsideItsTableFaultsInsteadOfReadingPastIt)
{
    addLine(editor, {{1, 1}});
    store.CadLines[1].PointIds[1] = 56;
    EXPECT_THROW(buildCadExportText(store), RuntimeFault);
    store.CadLines[1].PointIds[1] = 1;
    store.CadLines[1].PointCount = 21;
    EXPECT_THROW(buildCadExportText(store), RuntimeFault);
}

TEST(CadExportPath, ProfileFolderFirstThenTheDesktopsDocumentsFolder)
{
    struct Case {
        std::map<std::string, std::string> environment;
        std::optional<std::string> documents;
        bool windows;
        std::string path;
    };
    const Case cases[] = {
        {{{"USERPROFILE", "C:\\Users\\ann"}}, "C:\\Docs", true, "C:\\Users\\ann\\My Documents\\Vrex-CAD-float.csv"},
        {{{"USERPROFILE", "C:\\Users\\ann"}, {"HOME", "/h"}},
         "/h/Documents",
         false,
         "C:\\Users\\ann/My Documents/Vrex-CAD-float.csv"},
        // The profile's bytes go into the path as they are, valid text or not.
        {{{"USERPROFILE", "/home/\xff\xfe"}}, std::nullopt, false, "/home/\xff\xfe/My Documents/Vrex-CAD-float.csv"},
        {{{"USERPROFILE", ""}}, "/home/ann/Documents", false, "/My Documents/Vrex-CAD-float.csv"},
        {{{"HOME", "/home/ann"}}, "/home/ann/Documents", false, "/home/ann/Documents/Vrex-CAD-float.csv"},
        {{{"HOME", "/home/ann"}}, "/home/ann/Dokumente", false, "/home/ann/Dokumente/Vrex-CAD-float.csv"},
        {{}, "C:\\Users\\ann\\Documents", true, "C:\\Users\\ann\\Documents\\Vrex-CAD-float.csv"},
        // No documents folder known: the profile's place under HOME.
        {{{"HOME", "/home/ann"}}, std::nullopt, false, "/home/ann/My Documents/Vrex-CAD-float.csv"},
        {{{"HOME", "/home/ann"}}, "", false, "/home/ann/My Documents/Vrex-CAD-float.csv"},
        {{{"HOME", "/home/ann"}}, std::nullopt, true, "\\My Documents\\Vrex-CAD-float.csv"},
        {{}, std::nullopt, false, "/My Documents/Vrex-CAD-float.csv"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        Services services;
        services.windowsPaths = c.windows;
        services.environment = [&c](const std::string& name) -> std::optional<std::string> {
            const auto it = c.environment.find(name);
            if (it == c.environment.end())
                return std::nullopt;
            return it->second;
        };
        services.documentsFolder = [&c] { return c.documents; };
        EXPECT_EQ(cadExportPath(services), c.path);
    }
}

class CadExportWrite : public ::testing::Test {
protected:
    CadExportWrite() { editor.services = fakeServices(); }

    Editor editor;
    std::vector<std::pair<std::string, std::string>> writes;
    std::optional<std::string> writeResult;
    int ended = 0;

    Services fakeServices()
    {
        Services s;
        s.environment = [](const std::string& name) -> std::optional<std::string> {
            if (name == "HOME")
                return "/home/ann";
            return std::nullopt;
        };
        s.writeWholeFile = [this](const std::string& path, const std::string& text) {
            writes.emplace_back(path, text);
            return writeResult;
        };
        s.endProgram = [this] { ++ended; };
        return s;
    }

    void SetUp() override
    {
        addLine(editor, {{120, 45}, {300, 60}});
        addLine(editor, {{50, 200}});
    }
};

TEST_F(CadExportWrite, SuccessfulWriteGetsTheWholeTextAndEndsTheProgram)
{
    const std::string prompt = editor.controls.UserMustSee;
    const std::string expected = buildCadExportText(editor.store);
    WriteCadExportFile(editor);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].first, "/home/ann/My Documents/Vrex-CAD-float.csv");
    EXPECT_EQ(writes[0].second, expected);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(editor.controls.UserMustSee, prompt);
}

TEST_F(CadExportWrite, FailedWriteKeepsTheDrawingAndTheProgramAndSaysWhy)
{
    writeResult = "Permission denied";
    const std::string before = buildCadExportText(editor.store);
    WriteCadExportFile(editor);
    EXPECT_EQ(writes.size(), 1u);
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(editor.controls.UserMustSee,
              "Could not write /home/ann/My Documents/Vrex-CAD-float.csv: Permission denied");
    EXPECT_EQ(buildCadExportText(editor.store), before);
    EXPECT_EQ(checkStoreInvariants(editor.store), "");

    // The user can try again once the cause is gone.
    writeResult.reset();
    WriteCadExportFile(editor);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(writes.back().second, before);
}

TEST_F(CadExportWrite, IndexFaultIsReportedAsAFailedWriteWithoutWriting)
{
    editor.store.CadLines[2].PointIds[1] = 0;
    WriteCadExportFile(editor);
    EXPECT_TRUE(writes.empty());
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(editor.controls.UserMustSee,
              "Could not write /home/ann/My Documents/Vrex-CAD-float.csv: Subscript out of range");
}

} // namespace
} // namespace vrex
