#include "ui/dendrogram_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "render/figure_painting.h"
#include "ui/dendrogram_drawing.h"
#include "ui/dendrogram_view.h"
#include "ui/figure_options_dialog.h"
#include "ui/figure_view.h"
#include "ui/file_chooser.h"
#include "ui/message_box.h"
#include "ui/picture_resolution.h"
#include "ui/session.h"

namespace tw::ui {

namespace {

// What the figure shown could not show as asked, and what would help.
QString figure_notes(const Figure& shown) {
    QStringList notes;
    if (shown.taller_than_page) {
        notes << QStringLiteral(
            "The tree is taller than a page: \"Each cluster as one tip\" in Figure options "
            "draws it on one.");
    }
    if (shown.p_left_out == 1) {
        notes << QStringLiteral("One P is not shown: there is no clear place beside its node.");
    } else if (shown.p_left_out > 1) {
        notes << QStringLiteral(
                     "%1 P values are not shown: there is no clear place beside their nodes "
                     "(\"Significant only\" in Figure options shows fewer).")
                     .arg(shown.p_left_out);
    }
    return notes.join(QLatin1Char(' '));
}

}  // namespace

DendrogramWindow::DendrogramWindow(Session& session) : QWidget(nullptr), session_(session) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Dendrogram"));

    Dendrogram = new DendrogramView;
    scroll_ = new QScrollArea;
    scroll_->setObjectName(QStringLiteral("DendrogramScroll"));
    scroll_->setWidget(Dendrogram);
    scroll_->setWidgetResizable(false);
    scroll_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->viewport()->installEventFilter(this);

    PublicationFigure = new FigureView;
    figure_scroll_ = new QScrollArea;
    figure_scroll_->setObjectName(QStringLiteral("PublicationScroll"));
    figure_scroll_->setWidget(PublicationFigure);
    figure_scroll_->setWidgetResizable(false);
    figure_scroll_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    figure_scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    figure_scroll_->viewport()->installEventFilter(this);

    views_ = new QStackedWidget(this);
    views_->addWidget(scroll_);
    views_->addWidget(figure_scroll_);

    HiddenLinksNote = new QLabel(this);
    HiddenLinksNote->setObjectName(QStringLiteral("HiddenLinksNote"));
    HiddenLinksNote->setWordWrap(true);
    HiddenLinksNote->hide();

    continue_button = new QPushButton(QStringLiteral("Continue"), this);
    continue_button->setObjectName(QStringLiteral("Command1"));
    continue_button->hide();
    SavePicture = new QPushButton(QStringLiteral("Save picture..."), this);
    SavePicture->setObjectName(QStringLiteral("SavePicture"));
    SavePicture->setEnabled(false);
    PublicationView = new QCheckBox(QStringLiteral("Names and clusters"), this);
    PublicationView->setObjectName(QStringLiteral("PublicationView"));
    FigureOptions = new QPushButton(QStringLiteral("Figure options..."), this);
    FigureOptions->setObjectName(QStringLiteral("FigureOptions"));
    FigureNote = new QLabel(this);
    FigureNote->setObjectName(QStringLiteral("FigureNote"));
    FigureNote->setWordWrap(true);
    FigureNote->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PublicationView);
    buttons->addWidget(FigureOptions);
    buttons->addWidget(SavePicture);
    buttons->addStretch();
    buttons->addWidget(continue_button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(HiddenLinksNote);
    layout->addWidget(FigureNote);
    layout->addWidget(views_, 1);
    layout->addLayout(buttons);
    // Room for the 640 x 320 drawing area at its own size.
    resize(680, 420);

    connect(continue_button, &QPushButton::clicked, this,
            &DendrogramWindow::on_continue_button_clicked);
    connect(SavePicture, &QPushButton::clicked, this, &DendrogramWindow::on_SavePicture_clicked);
    connect(Dendrogram, &DendrogramView::drawingChanged, this,
            &DendrogramWindow::on_Dendrogram_drawingChanged);
    connect(PublicationView, &QCheckBox::toggled, this,
            &DendrogramWindow::on_PublicationView_toggled);
    connect(FigureOptions, &QPushButton::clicked, this,
            &DendrogramWindow::on_FigureOptions_clicked);
}

FigureOptionsDialog* DendrogramWindow::figure_options_dialog() {
    if (!options_dialog_) {
        options_dialog_ = new FigureOptionsDialog(this);
        connect(options_dialog_, &FigureOptionsDialog::chosen, this,
                &DendrogramWindow::on_FigureOptionsDialog_chosen);
    }
    return options_dialog_;
}

void DendrogramWindow::on_FigureOptions_clicked() {
    figure_options_dialog()->edit(PublicationFigure->options());
}

// The choices hold for the rest of the session; asking for them shows the
// view they are for.
void DendrogramWindow::on_FigureOptionsDialog_chosen(const tw::FigureOptions& options) {
    PublicationFigure->set_options(options);
    if (!PublicationView->isChecked()) {
        PublicationView->setChecked(true);
    } else {
        refit_figure();
        update_note_and_saving();
    }
}

bool DendrogramWindow::has_drawing() const {
    return !Dendrogram->drawing().empty();
}

void DendrogramWindow::set_start_enabled(bool enabled) {
    continue_button->setEnabled(enabled);
}

void DendrogramWindow::show_continue(bool visible) {
    continue_button->setVisible(visible);
}

void DendrogramWindow::run_closed() {
    SavePicture->setEnabled(false);
    continue_button->hide();
}

void DendrogramWindow::on_continue_button_clicked() {
    session_.stages().test_linkages();
}

void DendrogramWindow::on_SavePicture_clicked() {
    save_picture_as(this, QStringLiteral("Save the dendrogram"),
                    [this](const QString& path, int dpi) { return save_picture(path, dpi); });
}

bool DendrogramWindow::save_picture(const QString& path, int dpi) {
    if (!SavePicture->isEnabled()) return false;
    if (publication_shown()) return save_figure(PublicationFigure->page_figure(), path, dpi);
    return save_drawing(Dendrogram->drawing(), path, dpi);
}

void DendrogramWindow::on_Dendrogram_drawingChanged() {
    // Finish blanks the drawing: the figure of that run goes with it.
    if (Dendrogram->drawing().empty()) {
        if (PublicationFigure->has_figure()) PublicationFigure->clear();
        update_note_and_saving();
    }
    // The tree arrives a line at a time; size the box and bring the note and
    // "Save picture..." up to date once the burst is over.
    if (refit_pending_) return;
    refit_pending_ = true;
    QTimer::singleShot(0, this, [this] { refit(); });
}

void DendrogramWindow::show_figure(FigureSource source) {
    PublicationFigure->set_source(std::move(source));
    // Laid out when it is shown: a tree of thousands of stations takes
    // seconds to lay out, which nobody should wait for unseen.
    if (publication_shown()) refit_figure();
    update_note_and_saving();
}

void DendrogramWindow::on_PublicationView_toggled(bool checked) {
    views_->setCurrentWidget(checked ? figure_scroll_ : scroll_);
    if (checked) refit_figure();
    update_note_and_saving();
}

bool DendrogramWindow::publication_shown() const {
    return views_->currentWidget() == figure_scroll_;
}

void DendrogramWindow::update_note_and_saving() {
    const FigureSource& src = PublicationFigure->source();
    const std::string note = PublicationFigure->has_figure()
                                 ? hidden_links_note(src.leaves(), src.savelinks)
                                 : std::string();
    // The publication view draws every link: the note is the drawing's.
    HiddenLinksNote->setText(QString::fromStdString(note));
    HiddenLinksNote->setVisible(!note.empty() && !publication_shown());
    update_figure_note();
    const bool something =
        publication_shown() ? PublicationFigure->has_figure() : !Dendrogram->drawing().empty();
    SavePicture->setEnabled(something);
}

void DendrogramWindow::update_figure_note() {
    const QString note = publication_shown() && PublicationFigure->has_figure()
                             ? figure_notes(PublicationFigure->figure())
                             : QString();
    if (note == FigureNote->text() && FigureNote->isVisible() == !note.isEmpty()) return;
    FigureNote->setText(note);
    FigureNote->setVisible(!note.isEmpty());
}

void DendrogramWindow::refit() {
    refit_pending_ = false;
    update_note_and_saving();
    QSize room = scroll_->maximumViewportSize();
    const double wide = Dendrogram->drawing().extent() / Dendrogram->drawing().width;
    if (wide > 1.0) {
        room.setHeight(room.height() - style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    }
    Dendrogram->fit_to(room);
}

void DendrogramWindow::refit_figure() {
    QSize room = figure_scroll_->maximumViewportSize();
    PublicationFigure->fit_to(room);
    // A figure taller than the window gets a scroll bar, which takes width.
    if (PublicationFigure->height() > room.height()) {
        room.setWidth(room.width() - style()->pixelMetric(QStyle::PM_ScrollBarExtent));
        PublicationFigure->fit_to(room);
    }
    // Laid out again, the figure may leave out more or fewer P.
    update_figure_note();
}

bool DendrogramWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        if (watched == scroll_->viewport()) on_Dendrogram_drawingChanged();
        if (watched == figure_scroll_->viewport() && publication_shown()) {
            QTimer::singleShot(0, this, [this] { refit_figure(); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DendrogramWindow::closeEvent(QCloseEvent* event) {
    session_.close_run_window(this, event);
}

}  // namespace tw::ui
