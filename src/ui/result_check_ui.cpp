// The result check on the generator screen: the real results, the hit counts and lists, and the
// short video that greets the outcome.
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>

#include "model/result_check.h"
#include "ui/TZuvoform.h"
#include "ui/colors.h"
#include "ui/event_hook.h"
#include "ui/list_models.h"
#include "ui/widget_utils.h"

namespace {

constexpr int kResultLength = 13;
constexpr int kWinningVideoCounter = 2;
constexpr int kLastVideoTick = 8;

// Only character keys reach the key filter, as in a classic key-press event; editing and
// navigation keys and shortcuts go to the box as usual.
bool filterResultKey(TZuvoform& w, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Backspace) return !w.Edit1KeyPress(QChar(u'\b'));
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint()) return false;
    for (QChar c : text)
        if (!w.Edit1KeyPress(c)) return true;
    return false;
}

// Shows the video panel over the picture and plays `name` in it; reports a failure.
bool playVideo(TZuvoform& w, const QString& name) {
    QFrame* panel = w.gen.Panel4;
    panel->show();
    panel->raise();
    QString error;
    if (!w.platform.playVideo(panel, w.startFile(name),
                              QRect(2, 2, panel->width() - 4, panel->height() - 4), error)) {
        panel->hide();
        w.platform.message(&w, error);
        return false;
    }
    return true;
}

void showCheck(TZuvoform& w, const zuvo::ResultCheck& check) {
    GeneratorArea& g = w.gen;
    for (int c = 0; c < 4; ++c) {
        std::vector<int> numbers;
        numbers.reserve(check.lists[c].size());
        for (const zuvo::HitEntry& hit : check.lists[c]) numbers.push_back(hit.number);
        g.numberModels[c]->setNumbers(numbers);
        g.couponModels[c]->setNumbers(std::move(numbers));
        g.hitCounts[c]->setText(QString::number(check.counts[c]));
    }
}

}  // namespace

void buildResultCheck(TZuvoform& w, QGroupBox* screen, const QRect& geometry) {
    GeneratorArea& g = w.gen;
    auto* box = new QGroupBox(QStringLiteral(" Rezultaty "), screen);
    box->setObjectName(QStringLiteral("GroupBoxResults"));
    box->setGeometry(geometry);

    ui::makeLabel(box, "ResultsCaption", QStringLiteral("Wprowadź wyniki :"),
                  QRect(8, 18, 112, 22));
    g.Edit1 = ui::makeEdit(box, "Edit1", QRect(122, 17, 150, 24), kResultLength);
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPointSize(11);
    g.Edit1->setFont(mono);
    // The key filter beeps at a wrong key; the validator keeps pasted text clean as well.
    g.Edit1->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[012]{0,13}")), g.Edit1));
    new ui::EventHook(g.Edit1, [&w](QEvent* event) { return filterResultKey(w, event); });
    g.Button23 = ui::makeButton(box, "Button23", QStringLiteral("OK"), QRect(280, 17, 50, 24));
    QObject::connect(g.Button23, &QPushButton::clicked, &w, &TZuvoform::Button23Click);

    const int captionWidth = 108;
    const int columnX = 8 + captionWidth + 2;
    const int columnWidth = (geometry.width() - columnX - 8) / 4;
    const int listHeight = (geometry.height() - 84) / 2;
    ui::makeLabel(box, "CountsCaption", QStringLiteral("Ilość"), QRect(8, 64, captionWidth, 16));
    ui::makeLabel(box, "NumbersCaption", QStringLiteral("Pozycja w liście"),
                  QRect(8, 82, captionWidth, listHeight));
    ui::makeLabel(box, "CouponsCaption", QStringLiteral("Kupon  (Nr/Poz)"),
                  QRect(8, 84 + listHeight, captionWidth, listHeight));
    const char* const countNames[4] = {"Label43", "Label44", "Label45", "Label46"};
    const char* const numberNames[4] = {"ListBox2", "ListBox3", "ListBox4", "ListBox5"};
    const char* const couponNames[4] = {"ListBox6", "ListBox7", "ListBox8", "ListBox9"};
    for (int c = 0; c < 4; ++c) {
        const int x = columnX + c * columnWidth;
        const QByteArray name = "HitsCaption" + QByteArray::number(13 - c);
        ui::makeLabel(box, name.constData(), QString::number(13 - c) + QStringLiteral("-tek :"),
                      QRect(x, 46, columnWidth - 4, 16));
        g.hitCounts[c] =
            ui::makeLabel(box, countNames[c], QString(), QRect(x, 64, columnWidth - 4, 16));
        ui::setTextColor(g.hitCounts[c], ui::kNavy);
        auto makeList = [&](const char* listName, int y, HitListModel* model,
                            const QString& accessibleName) {
            auto* list = new QListView(box);
            list->setObjectName(QString::fromLatin1(listName));
            list->setAccessibleName(accessibleName);
            list->setGeometry(x, y, columnWidth - 4, listHeight);
            list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            // A file of identical columns can put all of them into one list: laid out in
            // batches, the window keeps answering.
            list->setUniformItemSizes(true);
            list->setLayoutMode(QListView::Batched);
            list->setBatchSize(20000);
            model->setParent(list);
            list->setModel(model);
            return list;
        };
        g.numberModels[c] = new HitListModel(HitListModel::Shows::Number, nullptr);
        g.couponModels[c] = new HitListModel(HitListModel::Shows::CouponPlace, nullptr);
        const QString hits = QString::number(13 - c) + QStringLiteral("-tek : ");
        g.numberLists[c] = makeList(numberNames[c], 82, g.numberModels[c],
                                    hits + QStringLiteral("Pozycja w liście"));
        g.couponLists[c] = makeList(couponNames[c], 84 + listHeight, g.couponModels[c],
                                    hits + QStringLiteral("Kupon  (Nr/Poz)"));
    }
}

bool TZuvoform::Edit1KeyPress(QChar key) {
    if (key == QChar(u'\b')) return true;
    const char c = key.toLatin1();
    if (c != 0 && zuvo::isResultKey(c)) return true;
    platform.beep();
    return false;
}

void TZuvoform::Button23Click() {
    GeneratorArea& g = gen;
    const QString results = g.Edit1->text();
    zuvo::ResultCheck check;  // all counts 0
    if (results.size() < kResultLength) {
        platform.message(this,
                         QStringLiteral("Wprowadź najpierw wszystkie trzynaście rezultatów !"));
    } else {
        check = zuvo::checkResults(state.systemList, results.toStdString());
        showCheck(*this, check);
    }

    if (check.counts[0] > 0) {
        if (!playVideo(*this, QStringLiteral("Drav1.avi"))) return;
        // The video must still be hidden by its timer when the sound cannot be played.
        state.videoCounter = kWinningVideoCounter;
        Timer8->start();
        QString error;
        if (!platform.playSound(startFile(QStringLiteral("Drv.wav")), error))
            platform.message(this, error);
    } else if (check.total() == 0) {
        if (!playVideo(*this, QStringLiteral("Drav2.avi"))) return;
        Timer8->start();
    }
}

void TZuvoform::Timer8Timer() {
    const int before = state.videoCounter;
    ++state.videoCounter;
    if (before < kLastVideoTick) return;
    platform.stopVideo();
    gen.Panel4->hide();
    Timer8->stop();
    state.videoCounter = 0;
    const QString startDirectory = QString::fromStdString(state.startDirectory);
    if (!QDir::setCurrent(startDirectory)) {
        platform.message(this, QStringLiteral("Błąd wejścia/wyjścia: katalog \"%1\" jest "
                                              "niedostępny.")
                                   .arg(startDirectory));
        return;
    }
    const QString picture = startFile(QStringLiteral("Dravik.bmp"));
    QPixmap pixmap;
    if (!pixmap.load(picture)) {
        platform.message(this, QStringLiteral("Nie można otworzyć pliku \"%1\".").arg(picture));
        return;
    }
    gen.Image3->setPixmap(pixmap);
}

void clearGeneratorStatus(GeneratorArea& g) {
    g.Label37->clear();
    g.Label39->clear();
    g.Edit1->clear();
    for (QLabel* count : g.hitCounts) count->clear();
    for (HitListModel* model : g.numberModels) model->clear();
    for (HitListModel* model : g.couponModels) model->clear();
    g.ProgressBar1->setValue(0);
    for (QFrame* bar : g.indicatorBars) ui::setBackgroundColor(bar, ui::kFace);
    ui::setBackgroundColor(g.Panel29, ui::kFace);
}
