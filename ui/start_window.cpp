#include "ui/start_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/key_relay.h"
#include "ui/options_window.h"
#include "ui/session.h"
#include "ui/start_pictures.h"

namespace tw::ui {

namespace {

const char* const kDescription =
    "This program is designed to read a standard species abundance (or presence/absence) data "
    "file and produce an agglomerative, hierarchical cluster analysis and bootstrap each linkage "
    "to test for significance.  Four quantitative and four qualitative measures of association "
    "are available and can be linked by any of seven different methods.  Probabilities of "
    "significant linkage is assessed at a default  alpha level of 0.05.  A listing of the "
    "entities forming each cluster is provided in the file: CLUSTER.LST.  ";

const char* const kFormatLines[] = {
    "Line 1: a title  (in single quotes)",
    "Line 2: the number of rows (observations), the number of columns (spp)",
    "Line 3: List of column labels  (each enclosed in quotes and separted by comas)",
    "Line 4: First line of data; a quoted row label followed by abundance of each species.",
    "Line 5: Second line of data (format as above)",
    "Line 6 - Last line of abundance data (format as above)",
    "Last data line +1: The number of true (or suspected communities) represented",
    "Last data line +2: The number of replicates for each true community (separated by a blank "
    "or comma).",
};

QLabel* label(const QString& name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

}  // namespace

StartWindow::StartWindow(Session& session) : QWidget(nullptr), session_(session) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("TARNWICK"));

    title_label = label(QStringLiteral("Label1"), QStringLiteral("******* TARNWICK *******"), this);
    QFont title = title_label->font();
    title.setPointSizeF(title.pointSizeF() * 1.8);
    title.setBold(true);
    title_label->setFont(title);
    title_label->setAlignment(Qt::AlignCenter);
    version_label = label(QStringLiteral("Label6"), QStringLiteral("Version 3.1"), this);
    version_label->setAlignment(Qt::AlignCenter);
    dendrogram_picture =
        new StartPicture(StartPicture::Kind::Dendrogram, QStringLiteral("Picture1"), this);
    pond_picture = new StartPicture(StartPicture::Kind::Pond, QStringLiteral("Picture2"), this);

    auto* description = label(QStringLiteral("Label2"), QString::fromUtf8(kDescription), this);
    description->setWordWrap(true);
    auto* heading =
        label(QStringLiteral("Label3"),
              QStringLiteral("The standard input data file has the following format:"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    continue_button = new QPushButton(QStringLiteral("CONTINUE"), this);
    continue_button->setObjectName(QStringLiteral("Command1"));
    exit_button = new QPushButton(QStringLiteral("Exit"), this);
    exit_button->setObjectName(QStringLiteral("Exit1"));

    auto* top = new QHBoxLayout;
    top->addWidget(dendrogram_picture);
    auto* titles = new QVBoxLayout;
    titles->addStretch();
    titles->addWidget(title_label);
    titles->addWidget(version_label);
    titles->addStretch();
    top->addLayout(titles, 1);
    top->addWidget(pond_picture);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(description);
    layout->addSpacing(8);
    layout->addWidget(heading);
    int n = 0;
    for (const char* line : kFormatLines) {
        auto* l = label(QStringLiteral("Format%1").arg(++n), QString::fromUtf8(line), this);
        l->setWordWrap(true);
        l->setContentsMargins(16, 0, 0, 0);
        layout->addWidget(l);
    }
    // Beside the data file format: most users come with a spreadsheet.
    auto* tables = label(QStringLiteral("TablesNote"),
                         QStringLiteral("Tables can be opened too: a spreadsheet (.xlsx, .ods) or "
                                        "a delimited text table (.csv, .tsv) with stations in rows "
                                        "and species in columns is chosen as the input file in "
                                        "the next window and imported into this format."),
                         this);
    tables->setWordWrap(true);
    layout->addSpacing(4);
    layout->addWidget(tables);
    layout->addSpacing(8);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(continue_button);
    buttons->addWidget(exit_button);
    buttons->addStretch();
    layout->addLayout(buttons);
    setMinimumWidth(640);

    connect(continue_button, &QPushButton::clicked, this, &StartWindow::on_continue_button_clicked);
    connect(KeyRelay::watch(continue_button), &KeyRelay::keyPressed, this,
            &StartWindow::on_continue_button_keyPressed);
    connect(exit_button, &QPushButton::clicked, this, &StartWindow::on_exit_button_clicked);
    continue_button->setFocus();
}

void StartWindow::on_continue_button_clicked() {
    hide();
    session_.show_window(Window::Options, true);
}

void StartWindow::on_continue_button_keyPressed(int key) {
    // Enter shows the options and leaves this window up; other keys do nothing.
    if (is_enter(key)) session_.show_window(Window::Options, true);
}

void StartWindow::on_exit_button_clicked() {
    session_.stages().request_end();
}

void StartWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    session_.window_closed(this);
}

}  // namespace tw::ui
