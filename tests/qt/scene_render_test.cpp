// The renderer by pixel probes, and the pictures written by extension.
#include "tests/support/test_support.hpp"
#include "ui/qt/scene_export.hpp"
#include "ui/qt/scene_renderer.hpp"

#include <QImage>
#include <QPainter>

#include <fstream>
#include <gtest/gtest.h>

namespace {

// A 10 m × 5 m slab of two filled elements with a 2 m opening between them.
scene::Scene twoPlates() {
    scene::Scene s;
    s.bounds = {0, 0, 10, 5};
    const scene::Color concrete{200, 180, 120};
    s.add(scene::Polygon{{{0, 0}, {4, 0}, {4, 5}, {0, 5}}, concrete, scene::Pen{}});
    s.add(scene::Polygon{{{6, 0}, {10, 0}, {10, 5}, {6, 5}}, concrete, scene::Pen{}});
    s.add(scene::Text{{2, 2.5}, "1", 12, scene::Anchor::Center});
    return s;
}

QImage render(const scene::Scene& s, int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    qtui::paintScene(painter, s, scene::WorldMapping(s.bounds, {0, 0, double(w), double(h)}));
    return image;
}

std::string head(const std::string& path, std::size_t n) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(n, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(n));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

} // namespace

TEST(SceneRenderer, FillsElementsAndLeavesTheOpeningBlank) {
    const QImage image = render(twoPlates(), 200, 100); // 20 px per metre
    EXPECT_EQ(QColor(image.pixel(40, 20)), QColor(200, 180, 120)); // (2 m, 4 m) in element 1
    EXPECT_EQ(QColor(image.pixel(100, 50)), QColor(Qt::white));    // (5 m, 2.5 m): the opening
    EXPECT_EQ(QColor(image.pixel(160, 80)), QColor(200, 180, 120)); // (8 m, 1 m) in element 2
}

TEST(SceneRenderer, YPointsUpAndTextsAreDrawnAtTheirAnchor) {
    scene::Scene s;
    s.bounds = {0, 0, 10, 10};
    s.add(scene::Polygon{{{0, 8}, {10, 8}, {10, 10}, {0, 10}}, scene::Color{0, 0, 255}});
    const QImage image = render(s, 100, 100);
    EXPECT_EQ(QColor(image.pixel(50, 5)), QColor(0, 0, 255));   // the top of the picture
    EXPECT_EQ(QColor(image.pixel(50, 95)), QColor(Qt::white)); // the bottom
    // The element number: some dark pixels within a few points of the element's centre.
    const QImage plates = render(twoPlates(), 200, 100);
    int dark = 0;
    for (int x = 30; x < 50; ++x)
        for (int y = 40; y < 60; ++y)
            if (QColor(plates.pixel(x, y)).lightness() < 100) ++dark;
    EXPECT_GT(dark, 5);
}

TEST(SceneExport, PictureFormatsByExtension) {
    testsupport::TempDir dir;
    const auto s = twoPlates();
    EXPECT_FALSE(qtui::writePicture(s, dir.str() + "a.png", {.width = 320, .height = 200}));
    QImage png(QString::fromStdString(dir.str() + "a.png"));
    EXPECT_EQ(png.width(), 320);
    EXPECT_EQ(png.height(), 200);
    EXPECT_FALSE(qtui::writePicture(s, dir.str() + "a.PDF"));
    EXPECT_EQ(head(dir.str() + "a.PDF", 5), "%PDF-");
    EXPECT_FALSE(qtui::writePicture(s, dir.str() + "a.svg"));
    EXPECT_NE(head(dir.str() + "a.svg", 400).find("<svg"), std::string::npos);
    EXPECT_EQ(qtui::writePicture(s, dir.str() + "a.bmp"),
              "Die Zeichnung kann nur als .png, .pdf oder .svg geschrieben werden.");
    EXPECT_EQ(qtui::writePicture(s, dir.str() + "fehlt/a.png"),
              "Die Datei " + dir.str() + "fehlt/a.png kann nicht geschrieben werden.");
    EXPECT_EQ(qtui::writePicture(s, dir.str() + "b.png", {.width = 0}),
              "Breite und Höhe des Bildes müssen zwischen 1 und 20000 Pixel liegen.");
}
