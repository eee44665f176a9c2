// What the console prints and draws with: the page printer of the documents and the writer of
// pictures. Both need the window toolkit; a build without it says so when they are asked for.
#pragma once

#include "manager/printing.hpp"
#include "scene/overview_scene.hpp"
#include "scene/scene.hpp"

#include <optional>
#include <string>

namespace tarvik {

class ConsoleOutputs {
  public:
    virtual ~ConsoleOutputs() = default;
    /// The printer of the documents.
    virtual DocumentPrinter& printer() = 0;
    /// The drawing area of a picture file in points, so that the overview is laid out for it;
    /// wide asks for a landscape page.
    virtual scene::AreaSize pictureArea(const std::string& path, bool wide) = 0;
    /// Writes the scene into a PNG, PDF or SVG file by its extension; the error text or nullopt.
    virtual std::optional<std::string> writePicture(const scene::Scene& scene,
                                                    const std::string& path, bool wide) = 0;
};

/// The outputs of a console built without the window toolkit: every print and picture fails
/// with a message saying why.
class NoOutputs : public ConsoleOutputs, private DocumentPrinter {
  public:
    DocumentPrinter& printer() override { return *this; }
    scene::AreaSize pictureArea(const std::string&, bool) override { return {800, 600}; }
    std::optional<std::string> writePicture(const scene::Scene&, const std::string&, bool) override;

  private:
    PrintOutcome print(const PrintJob&, const PrintDestination&) override;
};

} // namespace tarvik
