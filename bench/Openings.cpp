// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "BenchModes.h"
#include "QuietPlatform.h"
#include "ui/common/Fonts.h"
#include "ui/common/ProgramPalette.h"
#include "ui/main/frmAbout.h"
#include "ui/main/frmMain.h"
#include "ui/report/frmSave.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <malloc.h>
#include <unistd.h>

namespace qvz::bench {

namespace {

constexpr int kSettling = 10;
constexpr int kSamples = 10;

long residentKib()
{
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// What the heap holds, less what it merely keeps from the system.
long heapInUseKib()
{
    return long(mallinfo2().uordblks / 1024);
}

// As the main window opens it: modal over its owner, shown, closed by the user, destroyed.
template <typename Window> void openAndClose(Platform& platform, QWidget* owner)
{
    Window window(platform, owner);
    QTimer::singleShot(0, &window, [&window] {
        if (QTest::qWaitForWindowExposed(&window))
            window.close();
    });
    window.exec();
}

// The process's resident size and heap in use after the settling openings, then after
// each tenth of the rest.
template <typename Window> QJsonObject measure(Platform& platform, QWidget* owner, int openings)
{
    QJsonArray sizes;
    for (int opening = 1; opening <= kSettling + openings; ++opening) {
        openAndClose<Window>(platform, owner);
        const int counted = opening - kSettling;
        if (counted >= 0 && counted % qMax(1, openings / kSamples) == 0)
            sizes.append(QJsonArray{opening, double(residentKib()), double(heapInUseKib())});
    }
    const auto growth = [&sizes](int column) {
        return sizes.last()[column].toDouble() - sizes.first()[column].toDouble();
    };
    return {{"openings", openings},
            {"opening_rss_heap_kib", sizes},
            {"rss_growth_kib", growth(1)},
            {"heap_growth_kib", growth(2)}};
}

void print(const char* window, const QJsonObject& result)
{
    std::printf("  %-8s after %d openings, %d more grow it by %.0f KiB, its heap by %.0f KiB\n",
                window, kSettling, result["openings"].toInt(), result["rss_growth_kib"].toDouble(),
                result["heap_growth_kib"].toDouble());
}

} // namespace

int runOpenings(int argc, char* argv[], int openings)
{
    QApplication app(argc, argv);
    installFontSubstitutes();
    keepNoStyleDrawings();
    QuietPlatform platform;
    frmMain main(platform);
    main.show();
    if (!QTest::qWaitForWindowExposed(&main))
        return 1;
    const QJsonObject report = measure<frmSave>(platform, &main, openings);
    const QJsonObject about = measure<frmAbout>(platform, &main, openings);
    std::printf("Memory kept by opening and closing a window: the resident process\n");
    print("report", report);
    print("about", about);
    const QJsonObject json{{"openings", QJsonObject{{"report", report}, {"about", about}}}};
    std::printf("%s", QJsonDocument(json).toJson(QJsonDocument::Indented).constData());
    return 0;
}

} // namespace qvz::bench
