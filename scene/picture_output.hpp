// Where a drawing goes besides the screen: a picture file or a printed page. The window front
// end implements it; a build without windows has none, and the console says so.
#pragma once

#include "scene/scene.hpp"

#include <optional>
#include <string>

namespace scene {

/// The size of a picture and the page switches of a print.
struct PictureOptions {
    int width = 1600;              ///< pixels of a PNG, units of an SVG
    int height = 1200;
    bool landscapeWhenWide = true; ///< "Automatische Wahl von Hoch- u. Querformat beim Drucken"
    bool frame = true;             ///< "Rahmen um Zeichnung beim Drucken"
    /// The PNG encoder's quality: -1 its default; higher compresses less and faster.
    int pngQuality = -1;
};

class PictureOutput {
  public:
    virtual ~PictureOutput() = default;
    /// Writes the scene as PNG, PDF or SVG by the file's extension; a German error text when it
    /// cannot.
    virtual std::optional<std::string> writePicture(const Scene& scene, const std::string& path,
                                                    const PictureOptions& options) = 0;
    /// Prints the scene as one page into a PDF file instead of a printer; an error text when
    /// it cannot.
    virtual std::optional<std::string> printToPdf(const Scene& scene, const std::string& path,
                                                  const PictureOptions& options) = 0;
};

} // namespace scene
