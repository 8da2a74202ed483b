// The start-up picture.
#include "app/qt/splash.h"

#include <QEventLoop>
#include <QSplashScreen>
#include <QTimer>

#include "app/qt/pictures.h"

namespace tallyhawk {

void ShowSplash(std::chrono::milliseconds time) {
    QSplashScreen splash(SplashPicture());
    splash.setObjectName(QStringLiteral("splash"));
    splash.show();
    QEventLoop wait;
    QTimer::singleShot(time, &wait, &QEventLoop::quit);
    // An exit asked for meanwhile (a signal from the desktop session) ends every event loop, this one too.
    wait.exec();
    splash.close();
}

}  // namespace tallyhawk
