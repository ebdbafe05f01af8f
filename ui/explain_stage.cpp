// The results window's "What makes each cluster...": kept apart from the
// stages that make a run, since it only reads a finished run.

#include <QApplication>

#include "explain/explain_clusters.h"
#include "run/outcome.h"
#include "ui/explain_window.h"
#include "ui/qt_host.h"
#include "ui/session.h"
#include "ui/stage_controller.h"

namespace tw::ui {

void StageController::explain_clusters_chosen() {
    if (!results_complete_) return;
    const ClusterExplanation* explanation = nullptr;
    // The explanation is worked out on the window thread: a few seconds at
    // most for thousands of stations, and nothing else may change the run
    // meanwhile.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Outcome outcome = guarded([&] {
        try {
            explanation = &explanation_of(ctx_);
            return Outcome::Completed;
        } catch (const RunError& error) {
            // The test's results stand, and the report stays open for Finish.
            QApplication::restoreOverrideCursor();
            host_.ask(error.title(), error.what(), Buttons::Ok);
            QApplication::setOverrideCursor(Qt::WaitCursor);
            return Outcome::Failed;
        }
    });
    QApplication::restoreOverrideCursor();
    if (outcome != Outcome::Completed || explanation == nullptr) return;
    auto& window = session_.windows().window_as<ExplainWindow>(WindowId::Explanation);
    window.show_explanation(ctx_, *explanation);
    window.show();
    window.raise();
}

}  // namespace tw::ui
