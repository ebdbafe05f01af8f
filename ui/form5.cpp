#include "ui/form5.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/key_relay.h"
#include "ui/results_grid.h"
#include "ui/session.h"
#include "ui/text_panel.h"

namespace tw::ui {

FORM5::FORM5(Session& session) : QWidget(nullptr), session_(session) {
    setObjectName(QStringLiteral("FORM5"));
    setWindowTitle(QStringLiteral("Messages & Linkage Table"));

    link_table = new TextPanel(QStringLiteral("link_table"), this);
    link_table->setMinimumHeight(110);
    Grid_out = make_results_table(this);
    grid_ = std::make_unique<GridAdapter>(Grid_out);

    Label1 = new QLabel(QString(QChar(0x03B1)), this);  // the Greek letter alpha
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont symbol = Label1->font();
    symbol.setPointSizeF(symbol.pointSizeF() * 1.4);
    Label1->setFont(symbol);
    Sig_level = new QLabel(this);
    Sig_level->setObjectName(QStringLiteral("Sig_level"));
    Sig_level->setMinimumWidth(60);
    Label2 = new QLabel(QStringLiteral("Level"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Command1 = new QPushButton(QStringLiteral("Finish"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->hide();

    auto* alpha = new QHBoxLayout;
    alpha->addWidget(Label1);
    alpha->addWidget(Label2);
    alpha->addWidget(Sig_level);
    alpha->addStretch();
    ShowReport = new QPushButton(QStringLiteral("Report..."), this);
    ShowReport->setObjectName(QStringLiteral("ShowReport"));
    alpha->addWidget(ShowReport);
    alpha->addWidget(Command1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(link_table);
    layout->addLayout(alpha);
    layout->addWidget(Line1);
    layout->addWidget(build_details_panel(), 1);
    resize(820, 680);

    connect(Command1, &QPushButton::clicked, this, &FORM5::on_Command1_clicked);
    connect(KeyRelay::watch(Command1), &KeyRelay::keyPressed, this, &FORM5::on_Command1_keyPressed);
    connect(ShowReport, &QPushButton::clicked, this, &FORM5::on_ShowReport_clicked);
}

FORM5::~FORM5() = default;

void FORM5::on_Command1_clicked() {
    session_.finish();
}

void FORM5::on_Command1_keyPressed(int) {
    session_.finish_key();
}

void FORM5::closeEvent(QCloseEvent* event) {
    event->accept();
    session_.window_closed(this);
}

}  // namespace tw::ui
