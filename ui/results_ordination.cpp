#include <QPushButton>
#include <stdexcept>

#include "ordination/run_ordination.h"
#include "ui/message_box.h"
#include "ui/ordination_window.h"
#include "ui/results_window.h"
#include "ui/session.h"

namespace tw::ui {

QPushButton* ResultsWindow::make_ordination_button() {
    Ordination = new QPushButton(QStringLiteral("Ordination..."), this);
    Ordination->setObjectName(QStringLiteral("Ordination"));
    Ordination->setEnabled(false);
    connect(Ordination, &QPushButton::clicked, this, &ResultsWindow::on_Ordination_clicked);
    return Ordination;
}

const RunOrdination* ResultsWindow::ordination_of_run() const {
    return ordination_window_ ? ordination_window_->result_of_run() : nullptr;
}

void ResultsWindow::on_Ordination_clicked() {
    if (!session_.stages().results_complete()) return;
    RunOrdination inputs;
    try {
        inputs = ordination_inputs(session_.context());
    } catch (const std::exception& e) {
        ask_box(this, QStringLiteral("Ordination"), QString::fromStdString(e.what()), Buttons::Ok);
        return;
    }
    if (!ordination_window_) ordination_window_ = std::make_unique<OrdinationWindow>();
    ordination_window_->open_run(std::move(inputs), ordination_seed(session_.context()));
    ordination_window_->show();
    ordination_window_->raise();
}

}  // namespace tw::ui
