// The two text windows of the manager: the editable text window (documents opened from the work
// steps, archive files) and the read-only viewer that stands in for the outside text viewer.
#pragma once

#include <QDialog>

#include <memory>
#include <string>

class QPlainTextEdit;

namespace ports {
class MessageBox;
}

namespace tarvik {

/// An editable text in Courier New 10 pt titled with the file's path. Closing a changed text
/// asks "Sollen die Änderungen gespeichert werden?" and writes it back on yes.
class TextWindow : public QDialog {
  public:
    /// The window on a file; nullptr after "Die Datei %s fehlt." when it cannot be read. With
    /// dosCharset the file is code page 850 (the documents are opened without).
    static std::unique_ptr<TextWindow> open(const std::string& path, ports::MessageBox& box,
                                            bool dosCharset = false, QWidget* parent = nullptr);
    /// True once a letter was typed.
    bool changed() const { return changed_; }
    /// The text as shown.
    std::string text() const;
    /// The text area, for tests.
    QPlainTextEdit* editor() const { return editor_; }

  protected:
    void done(int result) override;

  private:
    TextWindow(const std::string& path, const std::string& text, ports::MessageBox& box,
               bool dosCharset, QWidget* parent);

    std::string path_;
    ports::MessageBox& box_;
    bool dosCharset_;
    bool changed_ = false;
    QPlainTextEdit* editor_;
};

/// A read-only text in Courier New 9 pt titled with the file's name.
class TextViewer : public QDialog {
  public:
    /// The viewer on a file; nullptr after the message when it is missing.
    static std::unique_ptr<TextViewer> open(const std::string& path, ports::MessageBox& box,
                                            bool dosCharset = false, QWidget* parent = nullptr);
    QPlainTextEdit* editor() const { return editor_; }

  private:
    TextViewer(const std::string& path, const std::string& text, QWidget* parent);
    QPlainTextEdit* editor_;
};

} // namespace tarvik
