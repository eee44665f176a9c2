// Writing a scene into a file (PNG, PDF or SVG by the extension) and printing it as a page.
#pragma once

#include "scene/picture_output.hpp"
#include "scene/scene.hpp"

#include <optional>
#include <string>

class QPrinter;

namespace qtui {

/// The kinds of picture file, by the file's extension (letter case ignored).
enum class PictureFormat { Png, Pdf, Svg };

/// The format of a file name; nullopt for another extension.
std::optional<PictureFormat> pictureFormat(const std::string& path);

/// Options of a picture: the image size in pixels (PNG, SVG) and the page switches (PDF).
using PictureOptions = scene::PictureOptions;

/// Writes the scene fitted to the picture; an error text (German) when the file cannot be
/// written or its extension is not .png, .pdf or .svg.
std::optional<std::string> writePicture(const scene::Scene& scene, const std::string& path,
                                        const PictureOptions& options = {});

/// Paints the scene on one page of the printer (or a PDF printer), fitted to the page, with the
/// orientation and frame switches applied. False when the printer cannot paint.
bool printScene(const scene::Scene& scene, QPrinter& printer, const PictureOptions& options);

/// The picture output of the console front ends: writes pictures and PDF pages through Qt,
/// starting an application on the offscreen platform when the program runs without a window.
class QtPictureOutput : public scene::PictureOutput {
  public:
    std::optional<std::string> writePicture(const scene::Scene& scene, const std::string& path,
                                            const PictureOptions& options) override;
    std::optional<std::string> printToPdf(const scene::Scene& scene, const std::string& path,
                                          const PictureOptions& options) override;
};

} // namespace qtui
