// glimmora-player: plays an SWF movie by itself. Started with a file argument
// it plays that file; a copy of it that carries a movie at its end (the
// projector and screensaver layouts) plays the movie it carries.
//
// GLIMMORA_PLAYER_QUIT_AFTER=N (a diagnostic for scripts and tests): after N
// frames shown, print "glimmora-player: played N frames" and end with 0.

#include "ScreensaverGuard.h"

#include "player/playback/PlayerLaunch.h"
#include "player/widget/TShockwaveFlash.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>

#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr const char* kTitle = "Glimmora Player";

// The mark by which the tools know this program as the player they may put
// at the head of a projector or screensaver (tools/files/PlayerProgram).
[[gnu::used]] const char kPlayerMark[] = "glimmora-player:projector-head-v1";

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

// Draws into the window that a screensaver daemon made for us, filling it;
// false when no such window can be used (the caller ends quietly).
bool ShowInHostWindow(QWidget& player, uint64_t id)
{
    QWindow* host = QWindow::fromWinId(WId(id));
    if (!host) return false;
    player.setAttribute(Qt::WA_NativeWindow);
    player.winId();
    QWindow* own = player.windowHandle();
    if (!own) return false;
    own->setParent(host);
    const auto fit = [&player, host] {
        QSize size = host->size();
        if (size.isEmpty() && host->screen()) size = host->screen()->size();
        player.setGeometry(QRect(QPoint(0, 0), size));
    };
    QObject::connect(host, &QWindow::widthChanged, &player, fit);
    QObject::connect(host, &QWindow::heightChanged, &player, fit);
    fit();
    player.setCursor(Qt::BlankCursor);
    player.show();
    return true;
}

// GLIMMORA_PLAYER_QUIT_AFTER: end after that many frames shown.
void QuitAfterFrames(glimmora::TShockwaveFlash& player)
{
    bool valid = false;
    const int frames = qEnvironmentVariableIntValue("GLIMMORA_PLAYER_QUIT_AFTER", &valid);
    if (!valid || frames <= 0) return;
    auto shown = std::make_shared<int>(0);
    QObject::connect(&player, &glimmora::TShockwaveFlash::frameChanged, &player, [shown, frames] {
        if (++*shown != frames) return;
        std::cout << "glimmora-player: played " << frames << " frames" << std::endl;
        // Not quit(): that asks every window first, and a daemon's window says no.
        QApplication::exit(0);
    });
}

// --help and --version answer without a display (a projector answers too).
bool AnswerInformation(int argc, char** argv)
{
    if (argc != 2) return false;
    const std::string word = argv[1];
    if (word == "--version") {
        std::cout << "glimmora-player " GLIMMORA_VERSION_TEXT "\n";
        return true;
    }
    if (word != "--help" && word != "-h") return false;
    std::cout << "Usage: glimmora-player [--quality Q] MOVIE.swf\n"
                 "Plays an SWF movie in a window sized to it, in a loop. A projector or\n"
                 "screensaver made by Glimmora (a copy of this player with a movie behind it)\n"
                 "plays its own movie when started without an argument.\n"
                 "\n"
                 "  -h, --help        Shows this help and ends.\n"
                 "      --version     Shows the version and ends.\n"
                 "      --quality Q   Draws at quality Q until the movie chooses: low (no\n"
                 "                    anti-aliasing), medium, high (the default) or best.\n"
                 "  -root             Screensaver: full screen until a key or a mouse move.\n"
                 "  -window-id ID     Screensaver: draws into the window ID.\n"
                 "\n"
                 "The manual: man glimmora-player.\n";
    return true;
}

std::string SelfPath(const char* argv0)
{
    const QString path = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return path.isEmpty() ? std::string(argv0) : path.toStdString();
}

}  // namespace

int main(int argc, char** argv)
{
    if (AnswerInformation(argc, argv)) return 0;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kTitle));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tessaly.Glimmora.Player"));

    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    const glimmora::player::LaunchPlan plan = glimmora::player::DecideLaunch(
        args, SelfPath(argv[0]), qEnvironmentVariable("XSCREENSAVER_WINDOW").toStdString());

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
    case Mode::InWindow:
        break;
    }

    std::vector<uint8_t> bytes;
    try {
        bytes = glimmora::player::ReadPlannedMovie(plan);
    } catch (const std::exception& error) {
        return Fail(QString::fromUtf8(error.what()));
    }

    glimmora::TShockwaveFlash player;
    if (plan.quality) player.SetQuality(*plan.quality);
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
    if (plan.mode == Mode::InWindow) {
        // The daemon owns the window and ends us; without it there is nothing to show.
        if (!ShowInHostWindow(player, plan.hostWindow)) {
            std::cerr << "glimmora-player: no window 0x" << std::hex << plan.hostWindow
                      << " to draw into; ending\n";
            return 0;
        }
    } else if (plan.mode == Mode::FullScreen) {
        player.setCursor(Qt::BlankCursor);
        player.setMouseTracking(true);
        app.installEventFilter(&guard);
        player.showFullScreen();
    } else {
        const QSize size = player.MovieSize();
        player.resize(size.isEmpty() ? player.sizeHint() : size);
        player.show();
    }
    QuitAfterFrames(player);
    player.Play();
    return app.exec();
}
