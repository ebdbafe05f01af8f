#pragma once
// "Ordination": the run's objects placed by non-metric multidimensional
// scaling, in the colours of their clusters, beside the Shepard diagram of
// the fit. The scaling runs on other threads while the window stays
// usable; the window keeps a copy of what it needs of the run, so "Finish"
// may close the run meanwhile.

#include <QWidget>
#include <atomic>
#include <memory>
#include <optional>

#include "ordination/ordination_layout.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QThread;
class QTimer;

namespace tw::ui {

// Paints one of the two figures laid out to its own size.
class OrdinationView : public QWidget {
    Q_OBJECT
  public:
    using Layout = std::function<OrdinationFigure(const OrdinationPage&)>;
    explicit OrdinationView(QWidget* parent = nullptr);
    void set_layout(Layout layout);
    const OrdinationFigure& figure() const { return figure_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void relayout();
    Layout layout_;
    OrdinationFigure figure_;
};

class OrdinationWindow : public QWidget {
    Q_OBJECT
  public:
    OrdinationWindow();
    ~OrdinationWindow() override;

    // Ordinates a run's objects (ordination_inputs) from `seed`.
    void open_run(RunOrdination inputs, std::uint64_t seed);
    // The run it showed is closed: its result may no longer be exported.
    void run_closed() { current_run_ = false; }
    // The finished ordination of the open run, if any.
    const RunOrdination* result_of_run() const;
    bool computing() const { return worker_ != nullptr; }
    // Lays out what the current tab shows on the journal page, for a file.
    OrdinationFigure page_figure() const;
    bool save_picture(const QString& path, int dpi) const;

    QTabWidget* Tabs;
    OrdinationView* OrdinationPlot;
    OrdinationView* ShepardPlot;
    QComboBox* Dimensions;
    QSpinBox* Starts;
    QPushButton* Recompute;  // "Compute again"
    QComboBox* AxesShown;
    QCheckBox* ShowLabels;
    QCheckBox* ShowHulls;
    QPushButton* SavePicture;
    QPushButton* StopOrdination;
    QLabel* OrdinationStatus;

  signals:
    void ordinationFinished();

  private slots:
    void on_Recompute_clicked();
    void on_StopOrdination_clicked();
    void on_SavePicture_clicked();
    void on_worker_finished();
    void on_clock_timeout();

  private:
    void start();
    void abandon_work();
    void show_result();
    OrdinationPage page_on_screen(const OrdinationPage& size) const;

    RunOrdination inputs_;
    std::optional<RunOrdination> shown_;
    std::uint64_t seed_ = 1;
    bool current_run_ = false;

    // The work of one computation, shared with its thread.
    struct Work {
        RunOrdination o;
        NmdsSettings settings;
        std::atomic<bool> stop{false};
        std::atomic<std::int32_t> done{0};
        std::string error;
        bool stopped = false;
    };
    std::shared_ptr<Work> work_;
    QThread* worker_ = nullptr;
    QTimer* clock_;
};

}  // namespace tw::ui
