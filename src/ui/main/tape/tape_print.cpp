#include "ui/main/tape/tape_print.h"

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

#include "engine/tape_texts.h"

namespace orvane {
namespace {

// One right-aligned paragraph per line: results bold, negative numbers red, as on screen.
QString tape_html(const engine::Tape& tape) {
    QString html = QStringLiteral("<h3>计算记录</h3>");
    for (const auto& line : tape.lines()) {
        const std::string text = engine::tape_line_text(line, engine::NumberStyle::grouped);
        QString shown =
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toHtmlEscaped();
        if (line.kind == engine::LineKind::result || line.kind == engine::LineKind::check) {
            shown = QStringLiteral("<b>%1</b>").arg(shown);
        }
        if (line.value.starts_with('-') && line.kind != engine::LineKind::error) {
            shown = QStringLiteral("<span style=\"color:#c80000\">%1</span>").arg(shown);
        }
        html += QStringLiteral("<p align=\"right\" style=\"margin:0\">%1</p>").arg(shown);
    }
    return html;
}

void print_on(const engine::Tape& tape, QPrinter& printer) {
    QTextDocument document;
    document.setHtml(tape_html(tape));
    document.print(&printer);
}

}  // namespace

bool write_tape_pdf(const engine::Tape& tape, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    print_on(tape, printer);
    const QFileInfo written(path);
    return written.exists() && written.size() > 0;
}

void print_tape(const engine::Tape& tape, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("打印计算记录"));
    if (dialog.exec() == QDialog::Accepted) {
        print_on(tape, printer);
    }
}

}  // namespace orvane
