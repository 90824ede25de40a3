#include "ui/TZuvoform.h"

#include <QCloseEvent>
#include <QDir>
#include <QTimer>

#include "ui/colors.h"
#include "ui/widget_utils.h"

TZuvoform::TZuvoform(Platform& platformServices, QWidget* parent)
    : QMainWindow(parent), platform(platformServices) {
    setObjectName(QStringLiteral("Zuvoform"));
    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    ui::setBackgroundColor(client, ui::kTeal);
    setCentralWidget(client);

    buildShell();
    buildStage1();
    buildStage2();
    buildAnalysisPanel();
    buildStage3();
    buildGuarantee();
    connectForecastEntries();
    buildGeneratorScreen();
    buildPrintPanel();
    buildIntro();
    createTimers();

    FormCreate();
}

TZuvoform::~TZuvoform() {
    delete stage1.positionFilter;
}

void TZuvoform::createTimers() {
    auto make = [this](QTimer*& timer, const char* name, int interval,
                       void (TZuvoform::*handler)()) {
        timer = new QTimer(this);
        timer->setObjectName(QString::fromLatin1(name));
        timer->setInterval(interval);
        connect(timer, &QTimer::timeout, this, handler);
    };
    make(Timer1, "Timer1", 1000, &TZuvoform::Timer1Timer);
    make(Timer2, "Timer2", 1, &TZuvoform::Timer2Timer);
    make(Timer3, "Timer3", 200, &TZuvoform::Timer3Timer);
    make(Timer4, "Timer4", 1, &TZuvoform::Timer4Timer);
    make(Timer5, "Timer5", 1000, &TZuvoform::Timer5Timer);
    make(Timer6, "Timer6", 1000, &TZuvoform::Timer6Timer);
    make(Timer7, "Timer7", 1000, &TZuvoform::Timer7Timer);
    make(Timer8, "Timer8", 1000, &TZuvoform::Timer8Timer);
    // The step and the intro's vanishing letters need real millisecond ticks.
    Timer2->setTimerType(Qt::PreciseTimer);
    Timer4->setTimerType(Qt::PreciseTimer);
}

QString TZuvoform::startFile(const QString& name) const {
    return QDir(QString::fromStdString(state.startDirectory)).filePath(name);
}

void TZuvoform::closeEvent(QCloseEvent* event) {
    bool canClose = true;
    FormCloseQuery(canClose);
    if (canClose)
        event->accept();
    else
        event->ignore();
}
