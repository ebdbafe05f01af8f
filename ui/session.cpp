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
#include "ui/progress_text.h"
#include "ui/qt_host.h"
#include "ui/report_replacement.h"
#include "ui/report_window.h"
#include "ui/text_panel.h"
#include "ui/window_placement.h"

namespace tw::ui {

namespace {

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

Session::Session() : host_(std::make_unique<QtHost>(*this)), windows_(*this) {
    // A start button made while a stage runs starts disabled.
    windows_.on_made([this](WindowId) { update_start_buttons(); });
}

Session::~Session() {
    try {
        mark_report_stopped(ctx_);  // the program goes with a report still incomplete
    } catch (...) {
        // Closed below all the same.
    }
    ctx_.channels.close_all();
}

void Session::start() {
    form1();
    windows_.place_on_first_show(WindowId::Start);
    form1().show();
}

Form1& Session::form1() {
    return windows_.window_as<Form1>(WindowId::Start);
}

Form2& Session::form2() {
    return windows_.window_as<Form2>(WindowId::Options);
}

Form3& Session::form3() {
    return windows_.window_as<Form3>(WindowId::Method);
}

Form4& Session::form4() {
    return windows_.window_as<Form4>(WindowId::Dendrogram);
}

FORM5& Session::form5() {
    return windows_.window_as<FORM5>(WindowId::Results);
}

ReportWindow& Session::report_window() {
    return windows_.window_as<ReportWindow>(WindowId::Report);
}

QWidget* Session::loaded_window(const QString& name) const {
    return windows_.loaded(name.toStdString());
}

void Session::show_window(Window window, bool visible) {
    if (ended_) return;
    if (const WindowEntry* entry = entry_of(window)) windows_.show(entry->id, visible);
}

void Session::show_control(Control control, bool visible) {
    if (control == Control::Form4Continue) form4().Command1->setVisible(visible);
    if (control == Control::FORM5Finish) form5().Command1->setVisible(visible);
}

void Session::open_data_check() {
    if (busy_) return;  // a check is a stage of its own
    if (auto* method = windows_.loaded_as<Form3>(WindowId::Method))
        method->CheckStatus->clear();  // until this check has ended
    QWidget& check = windows_.window(WindowId::DataCheck);
    // Every check gets a new window, placed afresh beside the options.
    windows_.place_afresh(WindowId::DataCheck);
    check.show();
    check.raise();
    check.activateWindow();
}

void Session::data_check_ended() {
    windows_.forget(WindowId::DataCheck);
}

DataCheckWindow* Session::data_check() const {
    return windows_.loaded_as<DataCheckWindow>(WindowId::DataCheck);
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
    if (outcome == Outcome::Failed && !ended_ && !windows_.run_window_visible(nullptr)) {
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
    if (auto* results = windows_.loaded_as<FORM5>(WindowId::Results))
        results->clear_results_complete();
    // The explanation was of the run before.
    if (QWidget* explanation = windows_.loaded(WindowId::Explanation)) explanation->hide();
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
    std::vector<double> work;
    if (ctx_.settings.test_method == TestMethod::Bootstrap && ctx_.NumGroups > 1) {
        work = cumulative_linkage_work(ctx_.LinkSize, ctx_.NumGroups - 1,
                                       static_cast<double>(ctx_.NumRows) / ctx_.NumGroups);
    }
    form5().test_started(std::move(work));
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
    auto* dendrogram = windows_.loaded_as<Form4>(WindowId::Dendrogram);
    if (ended_ || !dendrogram || dendrogram->Dendrogram->drawing().empty()) return;
    dendrogram->show_figure(figure_source(ctx_, tested));
    if (tested) form5().show_linkage_details(ctx_);
}

void Session::show_run_report() {
    QWidget* screen = windows_.loaded(WindowId::Report);
    if (ctx_.settings.output_mode == OutputMode::Screen && screen) {
        screen->show();
        screen->raise();
        return;
    }
    auto& copy = windows_.window_as<ReportWindow>(WindowId::RunReport);
    copy.begin();
    copy.append(run_report_);
    copy.show();
    copy.raise();
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
    const auto* results = windows_.loaded_as<FORM5>(WindowId::Results);
    const RunOrdination* ordination = results ? results->ordination_of_run() : nullptr;
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
    results_complete_ = false;
    if (auto* results = windows_.loaded_as<FORM5>(WindowId::Results)) {
        results->clear_linkage_details();
        results->clear_uncertain_rows();  // the grid's rows are blank now
        results->results_gone();
    }
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

void Session::window_closed(QWidget* closing) {
    if (ended_ || windows_.run_window_visible(closing)) return;
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
    if (auto* dendrogram = windows_.loaded_as<Form4>(WindowId::Dendrogram)) {
        dendrogram->SavePicture->setEnabled(false);
        dendrogram->Command1->hide();
    }
    if (auto* results = windows_.loaded_as<FORM5>(WindowId::Results)) results->run_closed();
}

void Session::close_everything() {
    if (ended_) return;
    ended_ = true;
    windows_.hide_all();
    emit programEnded();
    QCoreApplication::exit(0);
}

void Session::update_start_buttons() {
    const bool enabled = !busy_;
    if (auto* options = windows_.loaded_as<Form2>(WindowId::Options))
        options->Command1->setEnabled(enabled);
    if (auto* method = windows_.loaded_as<Form3>(WindowId::Method))
        method->Command1->setEnabled(enabled);
    if (auto* dendrogram = windows_.loaded_as<Form4>(WindowId::Dendrogram))
        dendrogram->Command1->setEnabled(enabled);
    // "Finish" closes the files a running stage writes to.
    if (auto* results = windows_.loaded_as<FORM5>(WindowId::Results))
        results->Command1->setEnabled(enabled);
}

}  // namespace tw::ui
