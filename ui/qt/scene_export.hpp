// Writing a scene into a file (PNG, PDF or SVG by the extension) and printing it as a page.
#pragma once

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
struct PictureOptions {
    int width = 1600;
    int height = 1200;
    bool landscapeWhenWide = true; ///< a PDF page turns to landscape for a wide drawing
    bool frame = true;             ///< a frame around the drawing
    /// QImage's PNG quality: -1 the library's default; higher compresses less and faster.
    int pngQuality = -1;
};

/// Writes the scene fitted to the picture; an error text (German) when the file cannot be
/// written or its extension is not .png, .pdf or .svg.
std::optional<std::string> writePicture(const scene::Scene& scene, const std::string& path,
                                        const PictureOptions& options = {});

/// Paints the scene on one page of the printer (or a PDF printer), fitted to the page, with the
/// orientation and frame switches applied. False when the printer cannot paint.
bool printScene(const scene::Scene& scene, QPrinter& printer, const PictureOptions& options);

} // namespace qtui
