// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

// A Qt plugin that scripts/check-windows-package loads into the packaged program
// (QT_QPA_GENERIC_PLUGINS=qvzstartprobe), so that the program itself stays as shipped.
// It waits for the main window, prints what the package made of it, then closes it and
// the exit screen as a user would: the program ends through its own exit path.
#include <QApplication>
#include <QDir>
#include <QGenericPlugin>
#include <QLabel>
#include <QMessageBox>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>

namespace {

QWidget* shownWindow(const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->objectName() == QLatin1String(name))
            return window;
    }
    return nullptr;
}

void say(const QString& line)
{
    std::printf("probe: %s\n", qPrintable(line));
    std::fflush(stdout);
}

QString yesNo(bool answer)
{
    return answer ? QStringLiteral("yes") : QStringLiteral("no");
}

class StartProbe : public QObject {
public:
    StartProbe()
    {
        timer_.callOnTimeout(this, &StartProbe::look);
        timer_.start(200);
    }

private:
    void look()
    {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            say(QStringLiteral("message: ") + box->text().simplified());
            box->reject();
        } else if (QWidget* main = shownWindow("frmMain")) {
            reportMainWindow(*main);
            main->close();
        } else if (QWidget* exitScreen = shownWindow("frmNagScreen2")) {
            say(QStringLiteral("exit screen: ") + exitScreen->windowTitle());
            exitScreen->close();
        }
    }

    static void reportMainWindow(const QWidget& main)
    {
        say(QStringLiteral("main window: ") + main.windowTitle());
        const auto* picture = main.findChild<QLabel*>(QStringLiteral("picZodiac"));
        const QPixmap shown = picture ? picture->pixmap() : QPixmap();
        say(QStringLiteral("picture: %1x%2").arg(shown.width()).arg(shown.height()));
        say(QStringLiteral("styles: ") + QStyleFactory::keys().join(QLatin1Char(' ')));
        const QString lock = QCoreApplication::applicationName() + QStringLiteral(".lock");
        say(QStringLiteral("lock in the home folder: ") + yesNo(QDir::home().exists(lock)));
        say(QStringLiteral("lock in the temporary folder: ") + yesNo(QDir::temp().exists(lock)));
    }

    QTimer timer_;
};

class StartProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "StartProbe.json")

public:
    QObject* create(const QString&, const QString&) override { return new StartProbe; }
};

} // namespace

#include "StartProbe.moc"
