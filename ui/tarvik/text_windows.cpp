// The text window and the viewer.
#include "ui/tarvik/text_windows.hpp"

#include "manager/text_files.hpp"
#include "ports/ports.hpp"
#include "ui/qt/qt_ui.hpp"

#include <QFont>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <filesystem>

namespace tarvik {

namespace {

QFont courier(int points) {
    QFont font("Courier New", points);
    font.setStyleHint(QFont::TypeWriter);
    font.setFamilies({"Courier New", "Liberation Mono", "DejaVu Sans Mono"});
    return font;
}

QPlainTextEdit* textArea(QDialog* dialog, const std::string& text, int points) {
    auto* layout = new QVBoxLayout(dialog);
    auto* editor = new QPlainTextEdit(dialog);
    editor->setFont(courier(points));
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor->setPlainText(qtui::qs(text));
    layout->addWidget(editor);
    dialog->resize(760, 560);
    return editor;
}

} // namespace

std::unique_ptr<TextWindow> TextWindow::open(const std::string& path, ports::MessageBox& box,
                                             bool dosCharset, QWidget* parent) {
    const auto text = readShownText(path, dosCharset);
    if (!text) {
        box.message("Fehlende Eingabe", textWindowMissing(path));
        return nullptr;
    }
    return std::unique_ptr<TextWindow>(new TextWindow(path, *text, box, dosCharset, parent));
}

TextWindow::TextWindow(const std::string& path, const std::string& text, ports::MessageBox& box,
                       bool dosCharset, QWidget* parent)
    : QDialog(parent), path_(path), box_(box), dosCharset_(dosCharset),
      editor_(textArea(this, text, 10)) {
    setWindowTitle(qtui::qs(path));
    connect(editor_, &QPlainTextEdit::textChanged, this, [this] { changed_ = true; });
}

std::string TextWindow::text() const {
    return editor_->toPlainText().toStdString();
}

void TextWindow::done(int result) {
    if (changed_) {
        const auto answer = box_.message(
            "Editierte Datei", "Sollen die Änderungen gespeichert werden?", ports::Buttons::YesNo);
        if (answer == ports::Answer::Yes && !writeEditedText(path_, text(), dosCharset_)) {
            box_.message("Fehler", cannotCreate(path_));
            return; // the text stays open, so that nothing typed is lost
        }
        changed_ = false;
    }
    QDialog::done(result);
}

std::unique_ptr<TextViewer> TextViewer::open(const std::string& path, ports::MessageBox& box,
                                             bool dosCharset, QWidget* parent) {
    const auto text = readShownText(path, dosCharset);
    if (!text) {
        box.message("Fehlende Eingabe", viewerMissing(path));
        return nullptr;
    }
    return std::unique_ptr<TextViewer>(new TextViewer(path, *text, parent));
}

TextViewer::TextViewer(const std::string& path, const std::string& text, QWidget* parent)
    : QDialog(parent), editor_(textArea(this, text, 9)) {
    editor_->setReadOnly(true);
    setWindowTitle(qtui::qs(std::filesystem::path(path).filename().string()));
}

} // namespace tarvik
