// The real QImage canvas: what a small scene looks like, pixel for pixel.

#include "gestures.h"
#include "qt/picture_canvas.h"
#include "shell/command_buttons.h"
#include "shell/mouse_input.h"
#include "shell/startup.h"
#include "state/editor.h"

#include <QImage>
#include <QPainter>

#include <random>

#include <gtest/gtest.h>

namespace vrex {
namespace {

// A canvas of the real size with a started editor on it.
class QtCanvas : public ::testing::Test {
protected:
    QtCanvas()
    {
        canvas.resize(789, 446);
        StartUpSequence(editor);
    }

    void tap(int x, int y) { testing::tap(editor, x, y); }

    //  line 1:  (20,20)------(60,20)       line 2:  [] (100,30)
    //                           |
    //                        (60,50)
    void drawSmallScene()
    {
        Button1Pressed(editor);
        tap(20, 20);
        tap(60, 20);
        tap(60, 50);
        Button3Pressed(editor);
        Button1Pressed(editor);
        tap(100, 30);
        Button3Pressed(editor);
    }

    QRgb at(int x, int y) const { return canvas.image().pixel(x, y) & 0xFFFFFF; }

    static QImage kept(const char* name) { return QImage(QString(VREX_TEST_DATA) + "/" + name); }

    qt::PictureCanvas canvas;
    Editor editor{canvas};
};

constexpr QRgb White = 0xFFFFFF;
constexpr QRgb Black = 0x000000;
constexpr QRgb NearBlack = 0x010101;
constexpr QRgb Silver = 0xC0C0C0;

TEST_F(QtCanvas, DrawingAreaIsTheInnerPartOfTheSunkenBorder)
{
    EXPECT_EQ(canvas.ScaleWidth(), 785);
    EXPECT_EQ(canvas.ScaleHeight(), 442);
    EXPECT_EQ(canvas.image().size(), QSize(785, 442));
    EXPECT_FLOAT_EQ(editor.drawing.MarkerUnitX, 7.85F);
}

TEST_F(QtCanvas, SmallSceneMatchesTheKeptPictureInBlack)
{
    drawSmallScene();
    // segments are 2 pixels wide
    EXPECT_EQ(at(40, 19), Black);
    EXPECT_EQ(at(40, 20), Black);
    EXPECT_EQ(at(40, 18), White);
    EXPECT_EQ(at(40, 21), White);
    // the lone vertex's square: corners 4 pixels from the centre, centre point set
    for (auto [x, y] : {std::pair{96, 30}, {104, 30}, {100, 26}, {100, 34}, {96, 26}, {104, 34}, {100, 30}})
        EXPECT_EQ(at(x, y), Black) << x << "," << y;
    for (auto [x, y] : {std::pair{95, 30}, {97, 30}, {103, 30}, {105, 30}, {100, 25}, {100, 35}})
        EXPECT_EQ(at(x, y), White) << x << "," << y;

    const QImage expected = kept("small_scene.png");
    if (qEnvironmentVariableIsSet("VREX_UPDATE_GOLDEN"))
        canvas.image().save(QString(VREX_TEST_DATA) + "/small_scene.png");
    ASSERT_FALSE(expected.isNull());
    EXPECT_EQ(canvas.image().convertToFormat(QImage::Format_RGB32), expected.convertToFormat(QImage::Format_RGB32));
}

TEST_F(QtCanvas, SelectModeDrawsTheChosenLineNearBlackAndTheOthersSilver)
{
    drawSmallScene();
    Button2Pressed(editor);
    tap(40, 30); // inside line 1's box
    ASSERT_EQ(editor.store.SelectedLine, 1);
    EXPECT_EQ(at(40, 20), NearBlack);
    EXPECT_EQ(at(96, 30), Silver); // line 2's marker edge
    EXPECT_EQ(at(100, 30), Black); // a marker centre takes the fore colour
    EXPECT_EQ(at(20, 20), Black);  // and so does a segment start

    const QImage expected = kept("small_scene_select.png");
    if (qEnvironmentVariableIsSet("VREX_UPDATE_GOLDEN"))
        canvas.image().save(QString(VREX_TEST_DATA) + "/small_scene_select.png");
    ASSERT_FALSE(expected.isNull());
    EXPECT_EQ(canvas.image().convertToFormat(QImage::Format_RGB32), expected.convertToFormat(QImage::Format_RGB32));
}

// The canvas writes lines straight into the image; the painter is the
// reference for what a line of a given pen looks like.
class DirectLines : public ::testing::Test {
protected:
    DirectLines() { canvas.resize(789, 446); }

    // A point, then a line from it, at pen width w, on a cleared canvas.
    const QImage& drawn(int w, QPoint a, QPoint b)
    {
        canvas.BeginPass();
        canvas.Cls();
        canvas.SetDrawWidth(w);
        canvas.PSet(a.x(), a.y());
        canvas.LineTo(b.x(), b.y(), 0);
        canvas.EndPass();
        return canvas.image();
    }

    static QImage painted(int w, QPoint a, QPoint b)
    {
        QImage image(785, 442, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        QPen pen(Qt::black);
        pen.setWidth(w <= 1 ? 0 : w);
        pen.setCapStyle(Qt::SquareCap);
        p.setPen(pen);
        const int size = std::max(w, 1);
        p.fillRect(a.x() - (w <= 1 ? 0 : w / 2), a.y() - (w <= 1 ? 0 : w / 2), size, size, Qt::black);
        p.drawLine(a, b);
        return image;
    }

    static bool black(const QImage& image, int x, int y) { return (image.pixel(x, y) & 0xFFFFFF) == 0; }

    qt::PictureCanvas canvas;
};

TEST_F(DirectLines, AlongRowsAndColumnsTheyAreThePaintersLinesEvenWhenCut)
{
    struct Case {
        int width;
        QPoint from, to;
    };
    const Case cases[] = {
        {1, {10, 10}, {60, 10}}, {1, {30, 5}, {30, 80}},    {2, {10, 20}, {60, 20}},     {2, {60, 50}, {60, 20}},
        {3, {5, 5}, {5, 40}},    {2, {0, 0}, {784, 0}},     {2, {784, 441}, {784, 0}},   {3, {-20, 441}, {30, 441}},
        {2, {700, 9}, {900, 9}}, {4, {100, -50}, {100, 2}}, {2, {40, 30}, {100000, 30}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(drawn(c.width, c.from, c.to), painted(c.width, c.from, c.to))
            << c.width << " px from " << c.from.x() << "," << c.from.y() << " to " << c.to.x() << "," << c.to.y();
}

TEST_F(DirectLines, SlantedWideLinesFollowThePaintersPolygonToItsEdges)
{
    std::mt19937 random(11);
    for (int w : {2, 3}) {
        long differing = 0;
        long covered = 0;
        for (int n = 0; n < 200; ++n) {
            QPoint a(int(random() % 785), int(random() % 442));
            QPoint b = n % 3 ? QPoint(int(random() % 785), int(random() % 442))
                             : a + QPoint(int(random() % 41) - 20, int(random() % 41) - 20);
            if (n % 10 == 0)
                b = QPoint(int(random() % 1400) - 300, int(random() % 1000) - 300); // running off the image
            const QImage mine = drawn(w, a, b);
            const QImage reference = painted(w, a, b);
            for (int y = 0; y < 442; ++y) {
                const auto* mineRow = reinterpret_cast<const QRgb*>(mine.constScanLine(y));
                const auto* referenceRow = reinterpret_cast<const QRgb*>(reference.constScanLine(y));
                for (int x = 0; x < 785; ++x) {
                    const bool set = (mineRow[x] & 0xFFFFFF) == 0;
                    const bool expected = (referenceRow[x] & 0xFFFFFF) == 0;
                    covered += expected;
                    if (set == expected)
                        continue;
                    ++differing;
                    // Only at the edge: the other picture covers a neighbour.
                    const QImage& other = set ? reference : mine;
                    bool neighbour = false;
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx)
                            neighbour =
                                neighbour || (other.rect().contains(x + dx, y + dy) && black(other, x + dx, y + dy));
                    ASSERT_TRUE(neighbour) << w << " px line " << a.x() << "," << a.y() << " to " << b.x() << ","
                                           << b.y() << " differs at " << x << "," << y;
                }
            }
        }
        EXPECT_LT(differing * 50, covered) << w << " px: " << differing << " of " << covered; // under 2 %
    }
}

} // namespace
} // namespace vrex
