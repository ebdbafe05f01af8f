#include "ui/form4.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/dendrogram_view.h"
#include "ui/file_chooser.h"
#include "ui/message_box.h"
#include "ui/session.h"

namespace tw::ui {

Form4::Form4(Session& session) : QWidget(nullptr), session_(session) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Dendrogram"));

    Dendrogram = new DendrogramView;
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("DendrogramScroll"));
    scroll_->setWidget(Dendrogram);
    scroll_->setWidgetResizable(false);
    scroll_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->viewport()->installEventFilter(this);

    Command1 = new QPushButton(QStringLiteral("Continue"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->hide();
    SavePicture = new QPushButton(QStringLiteral("Save picture..."), this);
    SavePicture->setObjectName(QStringLiteral("SavePicture"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SavePicture);
    buttons->addStretch();
    buttons->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll_, 1);
    layout->addLayout(buttons);
    // Room for the 640 x 320 drawing area at its own size.
    resize(680, 400);

    connect(Command1, &QPushButton::clicked, this, &Form4::on_Command1_clicked);
    connect(SavePicture, &QPushButton::clicked, this, &Form4::on_SavePicture_clicked);
    connect(Dendrogram, &DendrogramView::drawingChanged, this,
            &Form4::on_Dendrogram_drawingChanged);
}

void Form4::on_Command1_clicked() {
    session_.test_linkages();
}

void Form4::on_SavePicture_clicked() {
    const QString path = choose_file(this, QStringLiteral("Save the dendrogram"), FileUse::Save,
                                     QString::fromLatin1(file_filter::kPicture));
    if (path.isEmpty()) return;
    if (!save_drawing(Dendrogram->drawing(), path)) {
        ask_box(this, QStringLiteral("File Error"),
                QStringLiteral("The picture could not be written to \"%1\".").arg(path),
                Buttons::Ok);
    }
}

void Form4::on_Dendrogram_drawingChanged() {
    // The tree arrives a line at a time; size the box once the burst is over.
    if (refit_pending_) return;
    refit_pending_ = true;
    QTimer::singleShot(0, this, [this] { refit(); });
}

void Form4::refit() {
    refit_pending_ = false;
    QSize room = scroll_->maximumViewportSize();
    const double wide = Dendrogram->drawing().extent() / Dendrogram->drawing().width;
    if (wide > 1.0) {
        room.setHeight(room.height() - style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    }
    Dendrogram->fit_to(room);
}

bool Form4::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_->viewport() && event->type() == QEvent::Resize) {
        on_Dendrogram_drawingChanged();
    }
    return QWidget::eventFilter(watched, event);
}

void Form4::closeEvent(QCloseEvent* event) {
    if (!session_.may_close(this)) {
        event->ignore();
        return;
    }
    event->accept();
    session_.window_closed(this);
}

}  // namespace tw::ui
