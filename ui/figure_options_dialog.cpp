#include "ui/figure_options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "run/text_number.h"

namespace tw::ui {

namespace {

template <std::size_t N>
QHBoxLayout* option_row(std::array<QRadioButton*, N>& buttons, const char* name,
                        const std::array<const char*, N>& captions, QWidget* parent) {
    auto* row = new QHBoxLayout;
    // Buttons of one dialog are one exclusive set unless grouped by choice.
    auto* group = new QButtonGroup(parent);
    for (std::size_t k = 0; k < N; ++k) {
        buttons[k] = new QRadioButton(QString::fromUtf8(captions[k]), parent);
        buttons[k]->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(k));
        buttons[k]->setProperty("index", static_cast<int>(k));
        group->addButton(buttons[k]);
        row->addWidget(buttons[k]);
    }
    row->addStretch();
    return row;
}

QString number_text(double v) {
    return v > 0 ? QString::number(v) : QString();
}

}  // namespace

FigureOptionsDialog::FigureOptionsDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FigureOptionsDialog"));
    setWindowTitle(QStringLiteral("Figure options"));

    FigureTitle = new QLineEdit(this);
    FigureTitle->setObjectName(QStringLiteral("FigureTitle"));
    FigureTitle->setPlaceholderText(QStringLiteral("the data title"));
    FigureLabelSize = new QLineEdit(this);
    FigureLabelSize->setObjectName(QStringLiteral("FigureLabelSize"));
    FigureLabelSize->setPlaceholderText(QStringLiteral("as large as fits"));
    FigureTipNames = new QLineEdit(this);
    FigureTipNames->setObjectName(QStringLiteral("FigureTipNames"));
    FigureTipNames->setPlaceholderText(QStringLiteral("none"));
    FigureClusters = new QCheckBox(QStringLiteral("Each cluster as one tip"), this);
    FigureClusters->setObjectName(QStringLiteral("FigureClusters"));
    FigureCutLine = new QCheckBox(QStringLiteral("Cut line between the clusters"), this);
    FigureCutLine->setObjectName(QStringLiteral("FigureCutLine"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Title:"), FigureTitle);
    form->addRow(QStringLiteral("Leaves:"), option_row<2>(FigureLeaves, "FigureLeaves",
                                                          {"At the bottom", "On the left"}, this));
    form->addRow(QStringLiteral("Label size (points):"), FigureLabelSize);
    form->addRow(QStringLiteral("Colours:"),
                 option_row<2>(FigureColours, "FigureColours", {"Colour", "Greyscale"}, this));
    form->addRow(
        QStringLiteral("P shown:"),
        option_row<3>(FigureP, "FigureP", {"All tested", "Significant only", "None"}, this));
    form->addRow(FigureClusters);
    form->addRow(QStringLiteral("Names after each tip:"), FigureTipNames);
    form->addRow(FigureCutLine);

    FigureOptionsOk = new QPushButton(QStringLiteral("OK"), this);
    FigureOptionsOk->setObjectName(QStringLiteral("FigureOptionsOk"));
    FigureOptionsOk->setDefault(true);
    FigureOptionsCancel = new QPushButton(QStringLiteral("Cancel"), this);
    FigureOptionsCancel->setObjectName(QStringLiteral("FigureOptionsCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(FigureOptionsOk);
    buttons->addWidget(FigureOptionsCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(FigureOptionsOk, &QPushButton::clicked, this,
            &FigureOptionsDialog::on_FigureOptionsOk_clicked);
    connect(FigureOptionsCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FigureOptionsDialog::edit(const FigureOptions& o) {
    kept_ = o;
    FigureTitle->setText(QString::fromStdString(o.title));
    FigureLeaves[o.leaf_side == LeafSide::Down ? 0 : 1]->setChecked(true);
    FigureLabelSize->setText(number_text(o.label_size));
    FigureColours[o.colours == ColourScheme::Colour ? 0 : 1]->setChecked(true);
    FigureP[static_cast<std::size_t>(o.p_shown)]->setChecked(true);
    FigureClusters->setChecked(o.view == FigureView::Clusters);
    FigureTipNames->setText(number_text(o.tip_labels));
    FigureCutLine->setChecked(o.cut_line);
    // Window-modal but returning at once, so a script can fill it in.
    open();
}

FigureOptions FigureOptionsDialog::options() const {
    FigureOptions o = kept_;
    o.title = FigureTitle->text().toStdString();
    o.leaf_side = FigureLeaves[1]->isChecked() ? LeafSide::Left : LeafSide::Down;
    // Below the smallest size a page allows, the page's smallest is taken.
    o.label_size = std::max(0.0, leading_number(FigureLabelSize->text().toStdString()));
    o.colours = FigureColours[1]->isChecked() ? ColourScheme::Greyscale : ColourScheme::Colour;
    o.p_shown = FigureP[2]->isChecked()   ? PShown::None
                : FigureP[1]->isChecked() ? PShown::Significant
                                          : PShown::All;
    o.view = FigureClusters->isChecked() ? FigureView::Clusters : FigureView::Names;
    o.tip_labels = static_cast<int>(
        std::clamp(std::round(leading_number(FigureTipNames->text().toStdString())), 0.0, 50.0));
    o.cut_line = FigureCutLine->isChecked();
    return o;
}

void FigureOptionsDialog::on_FigureOptionsOk_clicked() {
    emit chosen(options());
    accept();
}

}  // namespace tw::ui
