#pragma once

#include <QWidget>

namespace Tintora {

// The splash window: a title bar and nothing else. Its caption tells the user what is going on
// while the program loads, and says goodbye when it ends.
class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    SplashWindow();

    // Shows the window and lets it paint, waiting at most a brief moment for the window system.
    void showPainted();
};

} // namespace Tintora
