#pragma once
// A "Browse..." button beside a file box: the visible way to the file
// dialog (clicking the box opens it too). It is shown and hidden with its
// box, so a box the window hides takes its button along.

class QPushButton;
class QWidget;

namespace tw::ui {

QPushButton* browse_button_for(QWidget* box, const char* object_name);

}  // namespace tw::ui
