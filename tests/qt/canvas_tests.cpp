// The real QImage canvas: what a small scene looks like, pixel for pixel.

#include "qt/picture_canvas.h"
#include "shell/command_buttons.h"
#include "shell/editor.h"
#include "shell/mouse_input.h"
#include "shell/startup.h"

#include <QImage>

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

    void tap(int x, int y)
    {
        CAD8pic_mousedown(editor, 1, 0, static_cast<Single>(x), static_cast<Single>(y));
        CAD8pic_mouseup(editor, 1, 0, static_cast<Single>(x), static_cast<Single>(y));
    }

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

} // namespace
} // namespace vrex
