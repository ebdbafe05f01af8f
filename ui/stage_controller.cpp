#include "ui/stage_controller.h"

#include <QApplication>
#include <chrono>
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
#include "ui/dendrogram_window.h"
#include "ui/file_chooser.h"
#include "ui/message_box.h"
#include "ui/method_window.h"
#include "ui/options_window.h"
#include "ui/qt_host.h"
#include "ui/report_replacement.h"
#include "ui/results_window.h"
#include "ui/session.h"

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

StageController::StageController(Session& session, RunContext& ctx, QtHost& host)
    : session_(session), ctx_(ctx), host_(host) {}

void StageController::open_data_check() {
    if (busy_) return;  // a check is a stage of its own
    WindowRegistry& windows = session_.windows();
    if (auto* method = windows.loaded_as<MethodWindow>(WindowId::Method))
        method->clear_check_status();  // until this check has ended
    QWidget& check = windows.window(WindowId::DataCheck);
    // Every check gets a new window, placed afresh beside the options.
    windows.place_afresh(WindowId::DataCheck);
    check.show();
    check.raise();
    check.activateWindow();
}

Outcome StageController::guarded(const std::function<Outcome()>& stage) {
    if (busy_ || ended_) return Outcome::Failed;  // one stage at a time
    Outcome outcome = Outcome::Failed;
    {
        const BusyScope running(busy_, [this] { update_start_buttons(); });
        outcome = run_guarded(ctx_, host_, [&] {
            host_.stage_started();
            return stage();
        });
    }
    // An exit asked for after the stage's last yield.
    if (end_requested_ && !ended_) tw::end_program(ctx_, host_);
    // A run that failed after hiding the option windows must not leave the
    // user with nothing on screen.
    if (outcome == Outcome::Failed && !ended_ && !session_.windows().run_window_visible(nullptr)) {
        session_.show_window(Window::Options, true);
    }
    return outcome;
}

void StageController::run_analysis() {
    RunSettings settings;
    session_.options_window().read_settings(settings);
    session_.method_window().read_settings(settings);
    settings.random_seed = random_seed_;
    if (!busy_ && !ended_) {
        const QString report =
            report_to_confirm(settings, session_.options_window().report_asked_in_dialog());
        if (!report.isEmpty() && !replace_report_confirmed(&session_.options_window(), report)) {
            session_.show_window(Window::Options, true);
            session_.options_window().focus_report_file();
            return;
        }
        session_.options_window().forget_report_dialog();
    }
    results_complete_ = false;
    if (auto* results = session_.windows().loaded_as<ResultsWindow>(WindowId::Results))
        results->clear_results_complete();
    // The explanation was of the run before.
    if (QWidget* explanation = session_.windows().loaded(WindowId::Explanation))
        explanation->hide();
    // Each run's notes start in an empty message area.
    if (!busy_ && !ended_) session_.options_window().clear_messages();
    const Outcome outcome = guarded([&] {
        ctx_.settings = settings;
        return tw::run_analysis(ctx_, host_);
    });
    run_open_ = outcome == Outcome::Completed;
    if (outcome == Outcome::Completed) show_publication_results(false);
}

void StageController::test_linkages() {
    if (busy_) return;  // the running stage reads the settings this changes
    // The test reads the alpha level as the window shows it now.
    const QString alpha = session_.method_window().alpha_text();
    ctx_.settings.alpha_text = alpha.toStdString();
    session_.results_window().show_alpha(alpha);
    session_.options_window().focus_messages();
    if (busy_ || ended_) return;
    if (!test_confirmed()) return;
    stop_requested_ = false;
    testing_ = true;
    session_.results_window().test_started();
    const Outcome outcome = guarded([&] { return tw::test_and_explain(ctx_, host_); });
    testing_ = false;
    if (ended_) return;
    session_.results_window().test_ended(stop_requested_);
    // An abandoned test has closed every file: the run is over.
    if (outcome == Outcome::Abandoned) close_run();
    if (outcome == Outcome::Completed) {
        show_publication_results(true);
        results_completed();
    }
}

void StageController::stop_test() {
    if (testing_) stop_requested_ = true;
}

bool StageController::test_confirmed() {
    if (busy_ || ended_) return true;
    if (const auto floor = permutation_floor_warning(ctx_.settings)) {
        const std::string question =
            *floor +
            "\n\nRun the similarity profile test anyway? No takes you back to the method "
            "window, where the permutations can be raised.";
        if (host_.ask("Too Few Permutations", question, Buttons::YesNo) == Answer::Yes) return true;
        session_.show_window(Window::Method, true);
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
    session_.show_window(Window::Method, true);
    return false;
}

// The views to publish from, beside what the stages themselves show: the
// named dendrogram in Form4 and, once tested, the details in FORM5.
void StageController::show_publication_results(bool tested) {
    auto* dendrogram = session_.windows().loaded_as<DendrogramWindow>(WindowId::Dendrogram);
    if (ended_ || !dendrogram || !dendrogram->has_drawing()) return;
    dendrogram->show_figure(figure_source(ctx_, tested));
    if (tested) session_.results_window().show_linkage_details(ctx_);
}

void StageController::results_completed() {
    results_complete_ = true;
    std::vector<int> uncertain;
    for (std::int32_t link = 1; link <= ctx_.NumGroups - 1; ++link)
        if (linkage_uncertain(ctx_, link)) uncertain.push_back(link);
    const std::optional<std::uint64_t> used = ctx_.Results.seed;
    const QString seed = used ? QString::number(static_cast<qulonglong>(*used)) : QString();
    session_.results_window().show_results_complete(seed, uncertain, ctx_.Results.test);
}

void StageController::export_results_chosen() {
    if (!results_complete_) return;
    const QString chosen =
        choose_file(&session_.results_window(), QStringLiteral("Export results: file name prefix"),
                    FileUse::Save);
    if (chosen.isEmpty()) return;
    export_results(export_prefix(chosen.toStdString()));
}

Outcome StageController::export_results(const std::string& prefix) {
    if (!results_complete_) return Outcome::Failed;
    const auto* results = session_.windows().loaded_as<ResultsWindow>(WindowId::Results);
    const RunOrdination* ordination = results ? results->ordination_of_run() : nullptr;
    const Outcome outcome = guarded([&] {
        return tw::export_results(ctx_, host_, prefix, std::chrono::system_clock::now(),
                                  ordination);
    });
    if (outcome == Outcome::Completed) {
        QStringList written;
        for (const ExportKind& kind : export_table())
            if (!kind.present || kind.present(ctx_))
                written << QString::fromStdString(prefix + kind.ending);
        if (ordination) written << QString::fromStdString(prefix + ".ordination.csv");
        session_.results_window().show_exported(written);
    }
    return outcome;
}

void StageController::finish() {
    const Outcome outcome = guarded([&] {
        finish_run(ctx_, host_);
        return Outcome::Completed;
    });
    if (outcome != Outcome::Completed) return;
    results_complete_ = false;
    if (auto* results = session_.windows().loaded_as<ResultsWindow>(WindowId::Results)) {
        results->clear_linkage_details();
        results->clear_uncertain_rows();  // the grid's rows are blank now
        results->results_gone();
    }
    session_.method_window().clear_squaring();
    session_.options_window().focus_continue();
    run_open_ = false;
    show_run_closed();
}

void StageController::finish_key() {
    // The running stage still writes to the channels this would close.
    if (busy_ || ended_) return;
    const Outcome outcome = guarded([&] {
        ctx_.channels.close_all();
        return Outcome::Completed;
    });
    if (outcome != Outcome::Completed) return;
    // The focus goes to the options window's Continue, which the user could
    // not see while that window is hidden: show it first.
    session_.show_window(Window::Options, true);
    session_.options_window().focus_continue();
}

void StageController::request_end() {
    if (ended_) return;
    if (busy_) {
        end_requested_ = true;  // the running stage's next yield ends it
        host_.end_at_next_yield();
        return;
    }
    tw::end_program(ctx_, host_);
}

bool StageController::may_close(QWidget* closing) {
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
    session_.show_window(Window::Options, true);
    return true;
}

void StageController::close_run() {
    run_open_ = false;
    show_run_closed();
}

void StageController::show_run_closed() {
    if (auto* dendrogram = session_.windows().loaded_as<DendrogramWindow>(WindowId::Dendrogram))
        dendrogram->run_closed();
    if (auto* results = session_.windows().loaded_as<ResultsWindow>(WindowId::Results))
        results->run_closed();
}

void StageController::update_start_buttons() {
    const bool enabled = !busy_;
    const WindowRegistry& windows = session_.windows();
    if (auto* options = windows.loaded_as<OptionsWindow>(WindowId::Options))
        options->set_start_enabled(enabled);
    if (auto* method = windows.loaded_as<MethodWindow>(WindowId::Method))
        method->set_start_enabled(enabled);
    if (auto* dendrogram = windows.loaded_as<DendrogramWindow>(WindowId::Dendrogram))
        dendrogram->set_start_enabled(enabled);
    // "Finish" closes the files a running stage writes to.
    if (auto* results = windows.loaded_as<ResultsWindow>(WindowId::Results))
        results->set_start_enabled(enabled);
}

}  // namespace tw::ui
