#include "ui/window_table.h"

#include <array>

#include "ui/data_check_window.h"
#include "ui/dendrogram_window.h"
#include "ui/explain_window.h"
#include "ui/method_window.h"
#include "ui/options_window.h"
#include "ui/report_window.h"
#include "ui/results_window.h"
#include "ui/start_window.h"

namespace tw::ui {

namespace {

template <class W>
QWidget* of_session(Session& session) {
    return new W(session);
}

template <class W>
QWidget* alone(Session&) {
    return new W();
}

QWidget* run_report(Session&) {
    auto* w = new ReportWindow();
    w->setObjectName(QStringLiteral("RunReport"));
    w->setWindowTitle(QStringLiteral("Report of the run"));
    return w;
}

using enum WindowId;

constexpr std::array<WindowEntry, kWindowCount> kWindows = {{
    {Start, "Form1", Window::Start, Making::OnFirstUse, &of_session<StartWindow>},
    {Options, "Form2", Window::Options, Making::OnFirstUse, &of_session<OptionsWindow>},
    {Method, "Form3", Window::Method, Making::OnFirstUse, &of_session<MethodWindow>},
    {Dendrogram, "Form4", Window::Dendrogram, Making::OnFirstUse, &of_session<DendrogramWindow>},
    {Results, "FORM5", Window::Results, Making::OnFirstUse, &of_session<ResultsWindow>},
    {DataCheck, "DataCheck", Window::DataCheck, Making::EachCheck, &of_session<DataCheckWindow>},
    {Report, "Report", std::nullopt, Making::OnRequest, &alone<ReportWindow>},
    {RunReport, "RunReport", std::nullopt, Making::OnRequest, &run_report},
    {Explanation, "ExplainWindow", std::nullopt, Making::OnRequest, &alone<ExplainWindow>},
}};

constexpr bool in_id_order() {
    for (std::size_t i = 0; i < kWindows.size(); ++i)
        if (static_cast<std::size_t>(kWindows[i].id) != i) return false;
    return true;
}
static_assert(in_id_order(), "entry_of finds each window at its WindowId");

}  // namespace

std::span<const WindowEntry> window_table() {
    return kWindows;
}

const WindowEntry& entry_of(WindowId id) {
    return kWindows[static_cast<std::size_t>(id)];
}

const WindowEntry* entry_of(Window core) {
    for (const WindowEntry& e : kWindows)
        if (e.core == core) return &e;
    return nullptr;
}

const WindowEntry* entry_named(std::string_view name) {
    for (const WindowEntry& e : kWindows)
        if (name == e.object_name) return &e;
    return nullptr;
}

}  // namespace tw::ui
