#include "ui/browse_button.h"

#include <QEvent>
#include <QPushButton>

namespace tw::ui {

namespace {

class FollowVisibility : public QObject {
  public:
    FollowVisibility(QWidget* box, QWidget* follower) : QObject(follower), follower_(follower) {
        box->installEventFilter(this);
        follower_->setVisible(!box->isHidden());
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShowToParent) follower_->show();
        if (event->type() == QEvent::HideToParent) follower_->hide();
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget* follower_;
};

}  // namespace

QPushButton* browse_button_for(QWidget* box, const char* object_name) {
    auto* button = new QPushButton(QStringLiteral("Browse..."));
    button->setObjectName(QString::fromLatin1(object_name));
    button->setAutoDefault(false);
    new FollowVisibility(box, button);
    return button;
}

}  // namespace tw::ui
