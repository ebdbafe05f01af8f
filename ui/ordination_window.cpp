#include "ui/ordination_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <stdexcept>

#include "figure/text_metrics.h"
#include "render/figure_painting.h"
#include "render/ordination_painting.h"
#include "ui/file_chooser.h"
#include "ui/message_box.h"
#include "ui/picture_resolution.h"

namespace tw::ui {

namespace {

// The pairs of axes a three-axis ordination can show, as AxesShown lists them.
constexpr std::int32_t kAxisPairs[3][2] = {{0, 1}, {0, 2}, {1, 2}};

}  // namespace

OrdinationView::OrdinationView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(360, 300);
}

void OrdinationView::set_layout(Layout layout) {
    layout_ = std::move(layout);
    relayout();
}

void OrdinationView::relayout() {
    figure_ = OrdinationFigure{};
    if (layout_) {
        OrdinationPage page;
        page.width = width();
        page.height = height();
        figure_ = layout_(page);
    }
    update();
}

void OrdinationView::resizeEvent(QResizeEvent*) {
    relayout();
}

void OrdinationView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    paint_ordination(p, figure_);
}

OrdinationWindow::OrdinationWindow() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("OrdinationWindow"));
    setWindowTitle(QStringLiteral("Ordination"));

    Tabs = new QTabWidget(this);
    Tabs->setObjectName(QStringLiteral("Tabs"));
    OrdinationPlot = new OrdinationView(Tabs);
    OrdinationPlot->setObjectName(QStringLiteral("OrdinationPlot"));
    ShepardPlot = new OrdinationView(Tabs);
    ShepardPlot->setObjectName(QStringLiteral("ShepardPlot"));
    Tabs->addTab(OrdinationPlot, QStringLiteral("nMDS"));
    Tabs->addTab(ShepardPlot, QStringLiteral("Shepard diagram"));

    Dimensions = new QComboBox(this);
    Dimensions->setObjectName(QStringLiteral("Dimensions"));
    Dimensions->addItems({QStringLiteral("2 axes"), QStringLiteral("3 axes")});
    Starts = new QSpinBox(this);
    Starts->setObjectName(QStringLiteral("Starts"));
    Starts->setRange(1, 1000);
    Starts->setValue(kDefaultStarts);
    Starts->setPrefix(QStringLiteral("Starts: "));
    Recompute = new QPushButton(QStringLiteral("Compute again"), this);
    Recompute->setObjectName(QStringLiteral("Recompute"));
    AxesShown = new QComboBox(this);
    AxesShown->setObjectName(QStringLiteral("AxesShown"));
    AxesShown->addItems({QStringLiteral("Axes 1 and 2"), QStringLiteral("Axes 1 and 3"),
                         QStringLiteral("Axes 2 and 3")});
    AxesShown->setEnabled(false);
    ShowLabels = new QCheckBox(QStringLiteral("Labels"), this);
    ShowLabels->setObjectName(QStringLiteral("ShowLabels"));
    ShowHulls = new QCheckBox(QStringLiteral("Convex hulls"), this);
    ShowHulls->setObjectName(QStringLiteral("ShowHulls"));
    SavePicture = new QPushButton(QStringLiteral("Save picture..."), this);
    SavePicture->setObjectName(QStringLiteral("SavePicture"));
    StopOrdination = new QPushButton(QStringLiteral("Stop"), this);
    StopOrdination->setObjectName(QStringLiteral("StopOrdination"));
    OrdinationStatus = new QLabel(this);
    OrdinationStatus->setObjectName(QStringLiteral("OrdinationStatus"));
    OrdinationStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    OrdinationStatus->setWordWrap(true);  // a long note must not widen the window

    auto* settings = new QHBoxLayout;
    settings->addWidget(Dimensions);
    settings->addWidget(Starts);
    settings->addWidget(Recompute);
    settings->addWidget(StopOrdination);
    settings->addSpacing(16);
    settings->addWidget(AxesShown);
    settings->addWidget(ShowLabels);
    settings->addWidget(ShowHulls);
    settings->addStretch(1);
    settings->addWidget(SavePicture);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(settings);
    layout->addWidget(Tabs, 1);
    layout->addWidget(OrdinationStatus);
    resize(900, 720);

    clock_ = new QTimer(this);
    clock_->setInterval(100);
    connect(clock_, &QTimer::timeout, this, &OrdinationWindow::on_clock_timeout);
    connect(Recompute, &QPushButton::clicked, this, &OrdinationWindow::on_Recompute_clicked);
    connect(StopOrdination, &QPushButton::clicked, this,
            &OrdinationWindow::on_StopOrdination_clicked);
    connect(SavePicture, &QPushButton::clicked, this, &OrdinationWindow::on_SavePicture_clicked);
    connect(ShowLabels, &QCheckBox::toggled, this, [this] { show_result(); });
    connect(ShowHulls, &QCheckBox::toggled, this, [this] { show_result(); });
    connect(AxesShown, &QComboBox::currentIndexChanged, this, [this] { show_result(); });
    StopOrdination->setEnabled(false);
    SavePicture->setEnabled(false);
}

OrdinationWindow::~OrdinationWindow() {
    if (worker_) {
        work_->stop = true;
        worker_->wait();
        delete worker_;
    }
}

void OrdinationWindow::abandon_work() {
    if (!worker_) return;
    // The thread keeps its own share of the work and deletes itself when it
    // has stopped; nothing it finishes reaches this window any more.
    work_->stop = true;
    disconnect(worker_, nullptr, this, nullptr);
    connect(worker_, &QThread::finished, worker_, &QObject::deleteLater);
    worker_ = nullptr;
    work_.reset();
    clock_->stop();
}

void OrdinationWindow::open_run(RunOrdination inputs, std::uint64_t seed) {
    abandon_work();  // an ordination of the run before is of no use now
    inputs_ = std::move(inputs);
    seed_ = seed;
    current_run_ = true;
    shown_.reset();
    show_result();
    start();
}

const RunOrdination* OrdinationWindow::result_of_run() const {
    return current_run_ && shown_ && !worker_ ? &*shown_ : nullptr;
}

void OrdinationWindow::start() {
    if (worker_) return;  // the button is disabled meanwhile
    work_ = std::make_shared<Work>();
    work_->o = inputs_;
    work_->settings.dimensions = Dimensions->currentIndex() == 1 ? 3 : 2;
    work_->settings.starts = Starts->value();
    work_->settings.seed = seed_;
    std::shared_ptr<Work> work = work_;
    worker_ = QThread::create([work] {
        NmdsControl control;
        control.stop = &work->stop;
        control.progress = [&work](std::int32_t done) { work->done = done; };
        try {
            ordinate(work->o, work->settings, control);
        } catch (const OrdinationStopped&) {
            work->stopped = true;
        } catch (const std::exception& e) {
            work->error = e.what();
        }
    });
    connect(worker_, &QThread::finished, this, &OrdinationWindow::on_worker_finished);
    Recompute->setEnabled(false);
    StopOrdination->setEnabled(true);
    OrdinationStatus->setText(QStringLiteral("Ordinating %1 objects: %2 starts...")
                                  .arg(inputs_.dissimilarities.objects)
                                  .arg(work_->settings.starts));
    worker_->start();
    clock_->start();
}

void OrdinationWindow::on_clock_timeout() {
    if (!work_) return;
    OrdinationStatus->setText(QStringLiteral("Ordinating %1 objects: %2 of %3 starts done")
                                  .arg(inputs_.dissimilarities.objects)
                                  .arg(work_->done.load())
                                  .arg(work_->settings.starts));
}

void OrdinationWindow::on_worker_finished() {
    clock_->stop();
    worker_->deleteLater();
    worker_ = nullptr;
    Recompute->setEnabled(true);
    StopOrdination->setEnabled(false);
    if (work_->stopped) {
        OrdinationStatus->setText(QStringLiteral("Stopped: no new ordination."));
    } else if (!work_->error.empty()) {
        OrdinationStatus->setText(QString::fromStdString(work_->error));
    } else {
        shown_ = std::move(work_->o);
        const Ordination& r = shown_->result;
        OrdinationStatus->setText(
            QStringLiteral("Stress %1 (%2 axes); best solution repeated %3 times in %4 starts; "
                           "seed %5; %6")
                .arg(r.stress, 0, 'f', 4)
                .arg(r.dimensions())
                .arg(r.repeated)
                .arg(r.starts.size())
                .arg(static_cast<qulonglong>(r.seed))
                .arg(QString::fromStdString(r.scaling)));
        // Like vegan, say when a stress of nothing means the objects are too
        // few to hold the ordination in place rather than a perfect fit.
        if (r.stress < 1e-4)
            OrdinationStatus->setText(
                OrdinationStatus->text() +
                QStringLiteral(". The stress is nearly zero: there may be too few objects "
                               "for the axes to mean much."));
    }
    work_.reset();
    show_result();
    emit ordinationFinished();
}

void OrdinationWindow::on_Recompute_clicked() {
    start();
}

void OrdinationWindow::on_StopOrdination_clicked() {
    if (work_) work_->stop = true;
}

OrdinationPage OrdinationWindow::page_on_screen(const OrdinationPage& size) const {
    OrdinationPage page = size;
    page.labels = ShowLabels->isChecked();
    page.hulls = ShowHulls->isChecked();
    const int pair = shown_ && shown_->result.dimensions() == 3 ? AxesShown->currentIndex() : 0;
    page.across = kAxisPairs[pair][0];
    page.up = kAxisPairs[pair][1];
    return page;
}

void OrdinationWindow::show_result() {
    AxesShown->setEnabled(shown_ && shown_->result.dimensions() == 3);
    SavePicture->setEnabled(shown_.has_value());
    if (!shown_) {
        OrdinationPlot->set_layout({});
        ShepardPlot->set_layout({});
        return;
    }
    const RunOrdination* o = &*shown_;
    OrdinationPlot->set_layout([this, o](const OrdinationPage& size) {
        return ordination_plot(*o, page_on_screen(size), figure_text_width);
    });
    ShepardPlot->set_layout([this, o](const OrdinationPage& size) {
        return shepard_diagram(*o, page_on_screen(size), figure_text_width);
    });
}

OrdinationFigure OrdinationWindow::page_figure() const {
    if (!shown_) return {};
    const OrdinationPage page = page_on_screen(journal_ordination_page());
    return Tabs->currentIndex() == 1 ? shepard_diagram(*shown_, page, figure_text_width)
                                     : ordination_plot(*shown_, page, figure_text_width);
}

bool OrdinationWindow::save_picture(const QString& path, int dpi) const {
    return shown_ && save_ordination(page_figure(), path, dpi);
}

void OrdinationWindow::on_SavePicture_clicked() {
    save_picture_as(this, QStringLiteral("Save the ordination"),
                    [this](const QString& path, int dpi) { return save_picture(path, dpi); });
}

}  // namespace tw::ui
