// Opening big system files through the real window, offscreen: how long the window is busy, how
// much memory it holds, and whether selecting, scrolling and the result check still answer at
// once. Prints one line per measurement.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>

#include "bench_platform.h"
#include "ui/TZuvoform.h"
#include "ui/guarantee_panel.h"
#include "ui/widgets/system_list_view.h"

namespace {

// Resident and peak resident memory of this process, in MB.
std::pair<double, double> memoryMb() {
    std::ifstream status("/proc/self/status");
    double rss = 0, peak = 0;
    std::string key;
    while (status >> key) {
        double kb = 0;
        if (key == "VmRSS:" && status >> kb) rss = kb / 1024;
        if (key == "VmHWM:" && status >> kb) peak = kb / 1024;
    }
    return {rss, peak};
}

// Every combination of 13 three-way positions, one per line, as the program writes a system.
void writeFullSystem(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return;
    QByteArray bytes;
    bytes.reserve(1594323 * 15);
    char column[15] = {'1', '1', '1', '1', '1', '1', '1', '1', '1', '1', '1', '1', '1', '\r', '\n'};
    const char next[3] = {'0', '2', '1'};  // 1 -> 0 -> 2 -> 1 with a carry
    for (int n = 0; n < 1594323; ++n) {
        bytes.append(column, 15);
        for (int p = 12; p >= 0; --p) {
            const char c = column[p];
            column[p] = next[c == '1' ? 0 : c == '0' ? 1 : 2];
            if (c != '2') break;
        }
    }
    file.write(bytes);
}

double seconds(const QElapsedTimer& clock) {
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString full = QDir(dir.path()).filePath(QStringLiteral("pelny.txt"));
    const QString huge = QDir(dir.path()).filePath(QStringLiteral("100MB.txt"));
    writeFullSystem(full);
    {
        QFile file(huge);
        if (file.open(QIODevice::WriteOnly)) file.resize(100 * 1000 * 1000);
    }

    BenchPlatform platform;
    TZuvoform window(platform);
    window.show();
    window.Timer3->stop();
    window.Timer4->stop();
    QApplication::processEvents();
    const double before = memoryMb().first;

    // The longest the window goes without handling an event, seen by a 10-ms timer.
    QElapsedTimer sinceTick;
    double longestStall = 0;
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        longestStall = std::max(longestStall, seconds(sinceTick));
        sinceTick.restart();
    });

    // The whole open: dialog answer, reading, the list's model, one painted screen.
    platform.openAnswer = full;
    QElapsedTimer clock;
    clock.start();
    sinceTick.start();
    watch.start();
    window.Otworz1Click();
    QApplication::processEvents();
    window.grab();
    const double openSeconds = seconds(clock);
    longestStall = std::max(longestStall, seconds(sinceTick));
    watch.stop();
    const auto [rss, peak] = memoryMb();
    std::printf(
        "open full system: %zu columns shown in %.2f s, longest the window did not answer %.3f s, "
        "resident %.0f MB (peak %.0f MB, %.0f MB before)\n",
        window.state.systemList.size(), openSeconds, longestStall, rss, peak, before);

    // The last row: scrolled to, clicked, named.
    TSystemListView* list = window.gen.ListBox1;
    clock.restart();
    list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
    QApplication::processEvents();
    const QModelIndex last = list->model()->index(list->model()->rowCount() - 1, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(last).center());
    window.grab();
    std::printf("scroll to the end and choose the last row: %.3f s, \"%s\"\n", seconds(clock),
                window.gen.Label39->text().toUtf8().constData());

    clock.restart();
    window.gen.Edit1->setText(QStringLiteral("1111111111111"));
    window.Button23Click();
    QApplication::processEvents();
    std::printf("result check: %.3f s, counts 13/12/11/10 = %s/%s/%s/%s\n", seconds(clock),
                window.gen.hitCounts[0]->text().toUtf8().constData(),
                window.gen.hitCounts[1]->text().toUtf8().constData(),
                window.gen.hitCounts[2]->text().toUtf8().constData(),
                window.gen.hitCounts[3]->text().toUtf8().constData());

    platform.saveAnswer = QDir(dir.path()).filePath(QStringLiteral("zapis.txt"));
    clock.restart();
    window.saveSystem();
    std::printf("save: %.3f s, %lld bytes\n", seconds(clock),
                static_cast<long long>(QFile(platform.saveAnswer).size()));

    platform.openAnswer = huge;
    clock.restart();
    window.Otworz1Click();
    std::printf("open a 100 MB file: refused in %.3f s, the list keeps %zu columns\n",
                seconds(clock), window.state.systemList.size());
    const bool refused = platform.lastMessage.contains(QStringLiteral("za duży"));

    // "Globalny" at 13 hits over 13 three-way positions: the full system into the list.
    window.newSystem(zuvo::SystemMode::Global);
    for (int k = 0; k < 13; ++k) window.state.forecast[static_cast<size_t>(k)] = {34, 33, 33, 0};
    window.state.visited.fill(1);
    window.openGuaranteePanel();
    window.guarantee->guarantees[0]->setChecked(true);
    longestStall = 0;
    clock.restart();
    sinceTick.restart();
    watch.start();
    window.guarantee->computeButton->click();
    while (window.guarantee->searching())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    window.grab();
    longestStall = std::max(longestStall, seconds(sinceTick));
    watch.stop();
    std::printf(
        "guaranteed full system: %zu columns listed in %.2f s, longest the window did not "
        "answer %.3f s, resident %.0f MB\n",
        window.state.systemList.size(), seconds(clock), longestStall, memoryMb().first);
    return refused ? 0 : 1;
}
