#include "ui/report_printing.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#ifdef TARNWICK_HAVE_PRINTSUPPORT
#include <QPrintDialog>
#include <QPrinter>
#endif

#include "ui/file_chooser.h"
#include "ui/text_panel.h"

namespace tw::ui {

namespace {

PrintHandler& handler() {
    static PrintHandler h;
    return h;
}

// The report as a plain-text document in the fixed-pitch font, so its print
// zones and tab stops line up on paper as on screen.
void fill_document(QTextDocument& doc, const QString& report) {
    QFont f = fixed_pitch_font();
    f.setPointSizeF(9.0);
    doc.setDefaultFont(f);
    QString text = report;
    text.remove(QLatin1Char('\r'));
    doc.setPlainText(text);
}

}  // namespace

void set_print_handler(PrintHandler h) {
    handler() = std::move(h);
}

bool print_report_to_pdf(const QString& report, const QString& path) {
    QPdfWriter pdf(path);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    pdf.setTitle(QStringLiteral("TARNWICK report"));
    QTextDocument doc;
    fill_document(doc, report);
    doc.setPageSize(QSizeF(pdf.width(), pdf.height()));
    // QTextDocument::print needs print support; draw page by page instead.
    QPainter p;
    if (!p.begin(&pdf)) return false;
    const double page_height = pdf.height();
    const int pages = doc.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0) pdf.newPage();
        p.save();
        p.translate(0, -page * page_height);
        doc.drawContents(&p, QRectF(0, page * page_height, pdf.width(), page_height));
        p.restore();
    }
    return p.end();
}

void print_report(QWidget* parent, const QString& report) {
    if (handler()) {
        handler()(report);
        return;
    }
#ifdef TARNWICK_HAVE_PRINTSUPPORT
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("TARNWICK report"));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print the report"));
    if (dialog.exec() != QDialog::Accepted) return;
    QTextDocument doc;
    fill_document(doc, report);
    doc.print(&printer);
#else
    const QString path = choose_file(parent, QStringLiteral("Print the report to a PDF file"),
                                     FileUse::Save, QString::fromLatin1(file_filter::kPdf));
    if (!path.isEmpty()) print_report_to_pdf(report, path);
#endif
}

}  // namespace tw::ui
