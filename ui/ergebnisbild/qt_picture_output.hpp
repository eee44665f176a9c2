// The picture output through the window toolkit: PNG, PDF and SVG files and PDF reports.
#pragma once

#include "ui/ergebnisbild/picture_output.hpp"

#include <memory>

class QGuiApplication;

namespace ergebnisbild {

/// Picture sizes: PNG and SVG 1600 x 1200 pixels (1200 x 900 points at 96 dpi), PDF pages A4
/// landscape.
inline constexpr int kPictureWidth = 1600, kPictureHeight = 1200;
inline constexpr double kPicturePointsWidth = 1200, kPicturePointsHeight = 900;
inline constexpr double kA4Long = 841.89, kA4Short = 595.28;
/// QImage's PNG quality for the pictures: a fast zlib level, some ten per cent larger files.
inline constexpr int kPngQuality = 80;

/// The page size [points] of a picture file, by its extension.
std::pair<double, double> pageSizeFor(const std::string& path);

class QtPictureOutput : public PictureOutput {
  public:
    QtPictureOutput();
    ~QtPictureOutput() override;
    std::optional<std::string> writePicture(const PageMaker& page,
                                            const std::string& path) override;
    std::optional<std::string> writeReport(const PagesMaker& pages,
                                           const std::string& path) override;

  private:
    /// Painting needs an application for its fonts; on the console one is made on the
    /// offscreen platform when the first picture is written.
    void ensureApplication();
    std::unique_ptr<QGuiApplication> application_;
};

} // namespace ergebnisbild
