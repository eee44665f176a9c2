// The read-only text view.
#include "ui/qt/text_view_dialog.hpp"

#include "ui/qt/qt_ui.hpp"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qtui {

void showTextDialog(QWidget* parent, const std::string& title, const std::string& text) {
    QDialog dialog(parent);
    dialog.setWindowTitle(qs(title));
    auto* layout = new QVBoxLayout(&dialog);
    auto* view = new QPlainTextEdit(&dialog);
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view->setPlainText(qs(text));
    layout->addWidget(view);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    box->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schließen"));
    QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(box);
    dialog.resize(760, 640);
    dialog.exec();
}

} // namespace qtui
