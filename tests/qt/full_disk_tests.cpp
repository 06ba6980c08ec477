// "Write && End" on a disk that cannot take the file: the program stays open
// with the reason in the prompt line, the drawing and the earlier file stay
// as they were, and a later write with room succeeds. Two ways to run out of
// room: a real full file system (a small tmpfs, which needs root) and a
// file-size limit (any user).

#include "export/cad_export.h"
#include "qt/front.h"
#include "qt/platform_services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vrex::qt {
namespace {

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
}

// Fills the file system holding folder until a write fails.
void fillUp(const std::string& folder)
{
    std::ofstream filler(folder + "/filler", std::ios::binary);
    const std::string block(512, 'x');
    for (int i = 0; i < 100000 && filler.write(block.data(), qsizetype(block.size())) && filler.flush(); ++i) {
    }
}

class FullDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(profile.isValid());
        documents = (profile.path() + "/My Documents").toStdString();
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(documents)));
        exportPath = documents + "/" + CadExportFileName;
    }

    void TearDown() override
    {
        if (mounted)
            ::umount2(documents.c_str(), MNT_DETACH);
    }

    void startProgram()
    {
        Services services = makePlatformServices();
        services.timeOfDay = [] { return 36000.0; };
        const std::string folder = profile.path().toStdString();
        services.environment = [folder](const std::string& name) -> std::optional<std::string> {
            if (name == "USERPROFILE")
                return folder;
            return std::nullopt;
        };
        front = std::make_unique<Front>(std::move(services));
        front->start();
        QApplication::processEvents();
    }

    void click(const char* control) { QTest::mouseClick(front->findControl(control), Qt::LeftButton); }

    void drawLine()
    {
        click("Button1_NewRenameLeft_8cbn");
        for (const QPoint p : {QPoint(120, 45), QPoint(300, 60), QPoint(260, 190)})
            QTest::mouseClick(&front->canvas(), Qt::LeftButton, Qt::NoModifier,
                              p + front->canvas().drawingArea().topLeft());
        click("Button3_EditDone_8cbn");
    }

    QString prompt() const { return qobject_cast<QLabel*>(front->findControl("UserMustSee8lbl"))->text(); }

    // Writes on a disk without room, checks that nothing is lost, then
    // frees the room and writes again.
    void writeFailsThenSucceeds(int expectedError, const std::function<void()>& makeRoom)
    {
        const std::string earlier = readFile(exportPath);
        const std::string drawing = buildCadExportText(front->editor().store);
        click("End8cbn");
        EXPECT_FALSE(front->ended());
        EXPECT_EQ(prompt().toStdString(), "Could not write " + exportPath + ": " + std::strerror(expectedError));
        EXPECT_EQ(readFile(exportPath), earlier);
        EXPECT_EQ(buildCadExportText(front->editor().store), drawing);
        EXPECT_EQ(QDir(QString::fromStdString(documents)).entryList(QDir::Files).size(), qsizetype(mounted ? 2 : 1))
            << "a half-written file was left behind";

        makeRoom();
        click("End8cbn");
        EXPECT_TRUE(front->ended());
        EXPECT_EQ(readFile(exportPath), drawing);
    }

    QTemporaryDir profile;
    std::string documents;
    std::string exportPath;
    bool mounted = false;
    std::unique_ptr<Front> front;
    // An earlier export file, longer than the new one.
    const std::string earlierFile = std::string("earlier export\r\n") + std::string(3000, 'e');
};

TEST_F(FullDisk, AFullFileSystemKeepsTheEarlierFileAndTheDrawing)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a small tmpfs needs root (CI runs as root); the file-size limit case covers the "
                        "same path for any user";
    if (::mount("tmpfs", documents.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    mounted = true;
    writeFile(exportPath, earlierFile);
    fillUp(documents);
    startProgram();
    drawLine();
    writeFailsThenSucceeds(ENOSPC, [this] { ASSERT_EQ(::unlink((documents + "/filler").c_str()), 0); });
}

TEST_F(FullDisk, AFileSizeLimitKeepsTheEarlierFileAndTheDrawing)
{
    writeFile(exportPath, earlierFile);
    startProgram();
    drawLine();

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit tight = saved;
    tight.rlim_cur = 100; // far less than the drawing's file
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    writeFailsThenSucceeds(EFBIG, [&saved] { ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &saved), 0); });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
}

// A profile folder whose name is not valid text is still the folder written to.
TEST(ProfileBytes, AProfileFolderNamedInAnyBytesIsWrittenTo)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const std::string profile = root.path().toStdString() + "/ann\xff\xfe";
    ASSERT_EQ(::mkdir(profile.c_str(), 0700), 0);
    ASSERT_EQ(::mkdir((profile + "/My Documents").c_str(), 0700), 0);
    qputenv("USERPROFILE", QByteArray::fromStdString(profile));
    const Services services = makePlatformServices();
    EXPECT_EQ(services.environment("USERPROFILE"), profile);
    const std::string path = cadExportPath(services);
    qunsetenv("USERPROFILE");
    EXPECT_EQ(path, profile + "/My Documents/Vrex-CAD-float.csv");
    EXPECT_EQ(services.writeWholeFile(path, "text\r\n"), std::nullopt);
    EXPECT_EQ(readFile(path), "text\r\n");
}

} // namespace
} // namespace vrex::qt
