#include "ui/session.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <chrono>
#include <functional>
#include <utility>
#include <vector>

#include "bootstrap/test_linkages.h"
#include "bootstrap/unreplicated_groups.h"
#include "cluster/observed_run.h"
#include "explain/explain_clusters.h"
#include "export/export_results.h"
#include "export/results_csv.h"
#include "figure/figure_source.h"
#include "run/entry_point.h"
#include "simprof/simprof_settings.h"
#include "simprof/test_profiles.h"
#include "ui/data_check_window.h"
#include "ui/dendrogram_view.h"
#include "ui/explain_window.h"
#include "ui/file_chooser.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form4.h"
#include "ui/form5.h"
#include "ui/message_box.h"
#include "ui/qt_host.h"
#include "ui/report_replacement.h"
#include "ui/report_window.h"
#include "ui/text_panel.h"
#include "ui/window_placement.h"

namespace tw::ui {

namespace {

// A window manager's frame, for a window whose frame is not known yet.
const QSize kFrameAllowance(8, 30);

// Creates a window on first use.
template <class W>
W& loaded(std::unique_ptr<W>& slot, Session& session) {
    if (!slot) slot = std::make_unique<W>(session);
    return *slot;
}

// Marks a stage as running for exactly as long as it is in scope, so that
// the windows never go on believing a stage runs once it has stopped.
class BusyScope {
  public:
    BusyScope(bool& busy, std::function<void()> changed)
        : busy_(busy), changed_(std::move(changed)) {
        busy_ = true;
        changed_();
    }
    ~BusyScope() {
        busy_ = false;
        changed_();
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    bool& busy_;
    std::function<void()> changed_;
};

}  // namespace

Session::Session() : host_(std::make_unique<QtHost>(*this)) {}

Session::~Session() {
    try {
        mark_report_stopped(ctx_);  // the program goes with a report still incomplete
    } catch (...) {
        // Closed below all the same.
    }
    ctx_.channels.close_all();
    // The data-check window is owned by Qt (it deletes itself); make sure it
    // does not outlive the run data it refers to.
    delete data_check_.data();
}

void Session::start() {
    place_on_first_show(Window::Form1, &form1());
    form1().show();
}

Form1& Session::form1() {
    return loaded(form1_, *this);
}

Form2& Session::form2() {
    const bool fresh = !form2_;
    Form2& f = loaded(form2_, *this);
    if (fresh) update_start_buttons();
    return f;
}

Form3& Session::form3() {
    const bool fresh = !form3_;
    Form3& f = loaded(form3_, *this);
    if (fresh) update_start_buttons();
    return f;
}

Form4& Session::form4() {
    const bool fresh = !form4_;
    Form4& f = loaded(form4_, *this);
    if (fresh) update_start_buttons();
    return f;
}

FORM5& Session::form5() {
    const bool fresh = !form5_;
    FORM5& f = loaded(form5_, *this);
    if (fresh) update_start_buttons();
    return f;
}

ReportWindow& Session::report_window() {
    if (!report_) report_ = std::make_unique<ReportWindow>();
    return *report_;
}

QWidget* Session::loaded_window(const QString& name) const {
    if (name == QLatin1String("Form1")) return form1_.get();
    if (name == QLatin1String("Form2")) return form2_.get();
    if (name == QLatin1String("Form3")) return form3_.get();
    if (name == QLatin1String("Form4")) return form4_.get();
    if (name == QLatin1String("FORM5")) return form5_.get();
    if (name == QLatin1String("DataCheck")) return data_check_.data();
    if (name == QLatin1String("Report")) return report_.get();
    if (name == QLatin1String("RunReport")) return run_report_window_.get();
    if (name == QLatin1String("ExplainWindow")) return explain_window_.get();
    return nullptr;
}

QWidget* Session::window_widget(Window window, bool create) {
    switch (window) {
        case Window::Form1:
            return create ? &form1() : form1_.get();
        case Window::Form2:
            return create ? &form2() : form2_.get();
        case Window::Form3:
            return create ? &form3() : form3_.get();
        case Window::Form4:
            return create ? &form4() : form4_.get();
        case Window::FORM5:
            return create ? &form5() : form5_.get();
        case Window::DataCheck:
            return data_check_.data();
    }
    return nullptr;
}

void Session::show_window(Window window, bool visible) {
    if (ended_) return;
    QWidget* w = window_widget(window, visible);
    if (!w) return;
    if (visible) place_on_first_show(window, w);
    w->setVisible(visible);
    if (visible) {
        w->raise();
        w->activateWindow();
    }
}

void Session::show_control(Control control, bool visible) {
    if (control == Control::Form4Continue) form4().Command1->setVisible(visible);
    if (control == Control::FORM5Finish) form5().Command1->setVisible(visible);
}

void Session::open_data_check() {
    if (busy_) return;                         // a check is a stage of its own
    if (form3_) form3_->CheckStatus->clear();  // until this check has ended
    if (!data_check_) data_check_ = new DataCheckWindow(*this);
    // Every check gets a new window, placed afresh beside the options.
    placed_.erase(Window::DataCheck);
    place_on_first_show(Window::DataCheck, data_check_.data());
    data_check_->show();
    data_check_->raise();
    data_check_->activateWindow();
}

void Session::data_check_ended() {
    data_check_ = nullptr;
}

DataCheckWindow* Session::data_check() const {
    return data_check_.data();
}

Outcome Session::guarded(const std::function<Outcome()>& stage) {
    if (busy_ || ended_) return Outcome::Failed;  // one stage at a time
    Outcome outcome = Outcome::Failed;
    {
        const BusyScope running(busy_, [this] { update_start_buttons(); });
        outcome = run_guarded(ctx_, *host_, [&] {
            host_->stage_started();
            return stage();
        });
    }
    // An exit asked for after the stage's last yield.
    if (end_requested_ && !ended_) tw::end_program(ctx_, *host_);
    // A run that failed after hiding the option windows must not leave the
    // user with nothing on screen.
    if (outcome == Outcome::Failed && !ended_ && !any_window_visible(nullptr)) {
        show_window(Window::Form2, true);
    }
    return outcome;
}

void Session::run_analysis() {
    RunSettings settings;
    form2().read_settings(settings);
    form3().read_settings(settings);
    settings.random_seed = random_seed_;
    if (!busy_ && !ended_) {
        const QString report = report_to_confirm(settings, form2().report_asked_in_dialog());
        if (!report.isEmpty() && !replace_report_confirmed(&form2(), report)) {
            show_window(Window::Form2, true);
            form2().Text2->setFocus();
            return;
        }
        form2().forget_report_dialog();
    }
    results_complete_ = false;
    if (form5_) form5_->clear_results_complete();
    if (explain_window_) explain_window_->hide();  // it explained the run before
    // Each run's notes start in an empty message area.
    if (!busy_ && !ended_) form2().PicBox1->clear();
    const Outcome outcome = guarded([&] {
        ctx_.settings = settings;
        return tw::run_analysis(ctx_, *host_);
    });
    run_open_ = outcome == Outcome::Completed;
    if (outcome == Outcome::Completed) show_publication_results(false);
}

void Session::test_linkages() {
    if (busy_) return;  // the running stage reads the settings this changes
    // The test reads the alpha level as the window shows it now.
    const QString alpha = form3().Alpha_level->text();
    ctx_.settings.alpha_text = alpha.toStdString();
    form5().Sig_level->setText(alpha);
    form2().PicBox1->setFocus();
    if (busy_ || ended_) return;
    if (!test_confirmed()) return;
    stop_requested_ = false;
    testing_ = true;
    form5().test_started();
    const Outcome outcome = guarded([&] { return tw::test_and_explain(ctx_, *host_); });
    testing_ = false;
    if (ended_) return;
    form5().test_ended(stop_requested_);
    // An abandoned test has closed every file: the run is over.
    if (outcome == Outcome::Abandoned) close_run();
    if (outcome == Outcome::Completed) {
        show_publication_results(true);
        results_completed();
    }
}

void Session::stop_test() {
    if (testing_) stop_requested_ = true;
}

bool Session::test_confirmed() {
    if (busy_ || ended_) return true;
    if (const auto floor = permutation_floor_warning(ctx_.settings)) {
        const std::string question =
            *floor +
            "\n\nRun the similarity profile test anyway? No takes you back to the method "
            "window, where the permutations can be raised.";
        if (host_->ask("Too Few Permutations", question, Buttons::YesNo) == Answer::Yes)
            return true;
        show_window(Window::Form3, true);
        return false;
    }
    if (ctx_.settings.test_method != TestMethod::Bootstrap) return true;
    const auto warning = unreplicated_warning(ctx_);
    if (!warning) return true;
    const std::string question =
        *warning +
        "\n\nRun the bootstrap test anyway? No takes you back to the method window, where "
        "the similarity profile test can be chosen.";
    // No is the default: Enter takes the user back to choose a test that suits
    // single stations rather than into a long test that cannot find much.
    if (ask_box(QApplication::activeWindow(), QString::fromUtf8(kUnreplicatedTitle),
                QString::fromStdString(question), Buttons::YesNo, Answer::No) == Answer::Yes)
        return true;
    show_window(Window::Form3, true);
    return false;
}

// The views to publish from, beside what the stages themselves show: the
// named dendrogram in Form4 and, once tested, the details in FORM5.
void Session::show_publication_results(bool tested) {
    if (ended_ || !form4_ || form4_->Dendrogram->drawing().empty()) return;
    form4_->show_figure(figure_source(ctx_, tested));
    if (tested) form5().show_linkage_details(ctx_);
}

void Session::show_run_report() {
    if (ctx_.settings.output_mode == OutputMode::Screen && report_) {
        report_->show();
        report_->raise();
        return;
    }
    if (!run_report_window_) {
        run_report_window_ = std::make_unique<ReportWindow>();
        run_report_window_->setObjectName(QStringLiteral("RunReport"));
        run_report_window_->setWindowTitle(QStringLiteral("Report of the run"));
    }
    run_report_window_->begin();
    run_report_window_->append(run_report_);
    run_report_window_->show();
    run_report_window_->raise();
}

void Session::results_completed() {
    results_complete_ = true;
    std::vector<int> uncertain;
    for (std::int32_t link = 1; link <= ctx_.NumGroups - 1; ++link)
        if (linkage_uncertain(ctx_, link)) uncertain.push_back(link);
    const std::optional<std::uint64_t> used = ctx_.Results.seed;
    const QString seed = used ? QString::number(static_cast<qulonglong>(*used)) : QString();
    form5().show_results_complete(seed, uncertain, ctx_.Results.test);
}

void Session::export_results_chosen() {
    if (!results_complete_) return;
    const QString chosen =
        choose_file(&form5(), QStringLiteral("Export results: file name prefix"), FileUse::Save);
    if (chosen.isEmpty()) return;
    export_results(export_prefix(chosen.toStdString()));
}

Outcome Session::export_results(const std::string& prefix) {
    if (!results_complete_) return Outcome::Failed;
    const RunOrdination* ordination = form5_ ? form5_->ordination_of_run() : nullptr;
    const Outcome outcome = guarded([&] {
        return tw::export_results(ctx_, *host_, prefix, std::chrono::system_clock::now(),
                                  ordination);
    });
    if (outcome == Outcome::Completed) {
        QStringList written;
        for (const ExportKind& kind : export_table())
            if (!kind.present || kind.present(ctx_))
                written << QString::fromStdString(prefix + kind.ending);
        if (ordination) written << QString::fromStdString(prefix + ".ordination.csv");
        form5().show_exported(written);
    }
    return outcome;
}

void Session::finish() {
    const Outcome outcome = guarded([&] {
        finish_run(ctx_, *host_);
        return Outcome::Completed;
    });
    if (outcome != Outcome::Completed) return;
    if (form5_) form5_->clear_linkage_details();
    if (form5_) form5_->clear_uncertain_rows();  // the grid's rows are blank now
    results_complete_ = false;
    if (form5_) form5_->results_gone();
    form3().Sqr_sim->setChecked(false);
    form2().Command1->setFocus();
    run_open_ = false;
    show_run_closed();
}

void Session::finish_key() {
    // The running stage still writes to the channels this would close.
    if (busy_ || ended_) return;
    const Outcome outcome = guarded([&] {
        ctx_.channels.close_all();
        return Outcome::Completed;
    });
    if (outcome != Outcome::Completed) return;
    // The focus goes to the options window's Continue, which the user could
    // not see while that window is hidden: show it first.
    show_window(Window::Form2, true);
    form2().Command1->setFocus();
}

void Session::request_end() {
    if (ended_) return;
    if (busy_) {
        end_requested_ = true;  // the running stage's next yield ends it
        host_->end_at_next_yield();
        return;
    }
    tw::end_program(ctx_, *host_);
}

bool Session::any_window_visible(const QWidget* except) const {
    for (QWidget* w :
         {static_cast<QWidget*>(form1_.get()), static_cast<QWidget*>(form2_.get()),
          static_cast<QWidget*>(form3_.get()), static_cast<QWidget*>(form4_.get()),
          static_cast<QWidget*>(form5_.get()), static_cast<QWidget*>(data_check_.data())}) {
        if (w && w != except && w->isVisible()) return true;
    }
    return false;
}

void Session::window_closed(QWidget* closing) {
    if (ended_ || any_window_visible(closing)) return;
    // Nothing of the program is left on screen: end it rather than leave it
    // running out of sight.
    request_end();
}

bool Session::may_close(QWidget* closing) {
    if (ended_) return true;
    if (busy_) return false;  // the stage still draws or prints there
    if (!run_open_) return true;
    const Answer answer = ask_box(
        closing, QStringLiteral("Run not finished"),
        QStringLiteral("This window holds a run that is not finished. Close it and end the run? "
                       "The report and the files written so far are kept."),
        Buttons::YesNo);
    if (answer != Answer::Yes) return false;
    ctx_.channels.close_all();
    close_run();
    show_window(Window::Form2, true);
    return true;
}

void Session::close_run() {
    run_open_ = false;
    show_run_closed();
}

void Session::show_run_closed() {
    if (form4_) {
        form4_->SavePicture->setEnabled(false);
        form4_->Command1->hide();
    }
    if (form5_) form5_->run_closed();
}

void Session::place_on_first_show(Window window, QWidget* w) {
    if (!w || placed_.count(window) != 0) return;
    placed_.insert(window);
    const QWidget* options = form2_.get();
    const QWidget* dendrogram = form4_.get();
    const QRect none;
    // A window not shown yet has no frame: allow for one.
    QSize frame = w->frameGeometry().size() - w->size();
    if (frame.isNull()) frame = kFrameAllowance;
    const QSize smallest = w->minimumSizeHint().expandedTo(w->minimumSize());
    // A window never resized would open at its size hint, not at the
    // default size a hidden widget reports.
    const QSize wanted = w->testAttribute(Qt::WA_Resized) ? w->size() : w->sizeHint();
    const QRect at = first_frame(
        window, available_screen(w), wanted.expandedTo(smallest) + frame, smallest + frame,
        options && options->isVisible() ? options->frameGeometry() : none,
        dendrogram && dendrogram->isVisible() ? dendrogram->frameGeometry() : none);
    w->resize(at.size() - frame);
    w->move(at.topLeft());
}

void Session::close_everything() {
    if (ended_) return;
    ended_ = true;
    for (QWidget* w : {static_cast<QWidget*>(form1_.get()), static_cast<QWidget*>(form2_.get()),
                       static_cast<QWidget*>(form3_.get()), static_cast<QWidget*>(form4_.get()),
                       static_cast<QWidget*>(form5_.get()), static_cast<QWidget*>(report_.get()),
                       static_cast<QWidget*>(run_report_window_.get()),
                       static_cast<QWidget*>(explain_window_.get()),
                       static_cast<QWidget*>(data_check_.data())}) {
        if (w) w->hide();
    }
    emit programEnded();
    QCoreApplication::exit(0);
}

void Session::update_start_buttons() {
    const bool enabled = !busy_;
    if (form2_) form2_->Command1->setEnabled(enabled);
    if (form3_) form3_->Command1->setEnabled(enabled);
    if (form4_) form4_->Command1->setEnabled(enabled);
    // "Finish" closes the files a running stage writes to.
    if (form5_) form5_->Command1->setEnabled(enabled);
}

}  // namespace tw::ui
