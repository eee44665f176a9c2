// Where the viewer's pictures and reports go: files painted by the window toolkit, or a
// message when the program was built without it.
#pragma once

#include "scene/scene.hpp"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ergebnisbild {

/// Makes a page of the given size [points] for a file.
using PageMaker = std::function<scene::Scene(double width, double height)>;
/// Makes every page of a report for pages of the given size [points].
using PagesMaker = std::function<std::vector<scene::Scene>(double width, double height)>;

class PictureOutput {
  public:
    virtual ~PictureOutput() = default;
    /// Writes one page as PNG, PDF or SVG by the file's extension; an error text (German).
    virtual std::optional<std::string> writePicture(const PageMaker& page,
                                                    const std::string& path) = 0;
    /// Writes the pages as one PDF file; an error text (German).
    virtual std::optional<std::string> writeReport(const PagesMaker& pages,
                                                   const std::string& path) = 0;
};

/// The output of a build without the window toolkit: every file is refused with a message.
class NoPictureOutput : public PictureOutput {
  public:
    std::optional<std::string> writePicture(const PageMaker&, const std::string&) override {
        return kMessage;
    }
    std::optional<std::string> writeReport(const PagesMaker&, const std::string&) override {
        return kMessage;
    }
    static constexpr const char* kMessage =
        "Dieses Programm ist ohne Qt gebaut und kann keine Bilder schreiben. Bauen Sie es mit "
        "SLAB_GUI=ON.";
};

} // namespace ergebnisbild
