// glimmora-player: plays an SWF movie by itself. Started with a file argument
// it plays that file; a copy of it that carries a movie at its end (the
// projector and screensaver layouts) plays the movie it carries.

#include "ScreensaverGuard.h"

#include "player/playback/PlayerLaunch.h"
#include "player/widget/TShockwaveFlash.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kTitle = "Glimmora Player";

// Without a screen (the offscreen and minimal platforms) nobody could close a
// message box: the message then goes to the error stream only.
bool HasScreen()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

int Fail(const QString& message)
{
    std::cerr << "glimmora-player: " << message.toStdString() << '\n';
    if (HasScreen()) QMessageBox::critical(nullptr, QString::fromLatin1(kTitle), message);
    return 1;
}

std::string SelfPath(const char* argv0)
{
    const QString path = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return path.isEmpty() ? std::string(argv0) : path.toStdString();
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kTitle));

    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    const glimmora::player::LaunchPlan plan = glimmora::player::DecideLaunch(args, SelfPath(argv[0]));

    using Mode = glimmora::player::LaunchPlan::Mode;
    switch (plan.mode) {
    case Mode::Error:
        return Fail(QString::fromStdString(plan.error));
    case Mode::Quit:
        return 0;
    case Mode::Configure:
        std::cout << "This screen saver has no options to set.\n";
        if (HasScreen()) {
            QMessageBox::information(nullptr, QString::fromLatin1(kTitle),
                                     QStringLiteral("This screen saver has no options to set."));
        }
        return 0;
    case Mode::Window:
    case Mode::FullScreen:
        break;
    }

    std::vector<uint8_t> bytes;
    try {
        bytes = glimmora::player::ReadPlannedMovie(plan);
    } catch (const std::exception& error) {
        return Fail(QString::fromUtf8(error.what()));
    }

    glimmora::TShockwaveFlash player;
    QString loadError;
    QObject::connect(&player, &glimmora::TShockwaveFlash::movieError,
                     [&](const QString& message) { loadError = message; });
    const QString name = plan.embedded ? QString::fromLatin1(kTitle)
                                       : QFileInfo(QString::fromStdString(plan.moviePath)).fileName();
    if (!player.LoadBytes(std::move(bytes), name)) {
        return Fail(QStringLiteral("The movie cannot be played.\n%1").arg(loadError));
    }
    player.setWindowTitle(name);
    player.SetLoop(true);

    glimmora::ScreensaverGuard guard;
    if (plan.mode == Mode::FullScreen) {
        player.setCursor(Qt::BlankCursor);
        player.setMouseTracking(true);
        app.installEventFilter(&guard);
        player.showFullScreen();
    } else {
        const QSize size = player.MovieSize();
        player.resize(size.isEmpty() ? player.sizeHint() : size);
        player.show();
    }
    player.Play();
    return app.exec();
}
