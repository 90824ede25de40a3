// The help topics dialog on the collection the build produces: contents, index, search, and
// refusal of collections it cannot use.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHelpContentItem>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpIndexWidget>
#include <QHelpSearchEngine>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ui/help_dialog.h"

namespace {

const QString kCollection = QStringLiteral("TEMATY POMOCY.HLP");

bool waitFor(const std::function<bool()>& done, int ms = 20000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QTest::qWait(5);
    }
    return true;
}

void collectTitles(QHelpContentModel* model, const QModelIndex& parent, QStringList& titles) {
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        titles << model->contentItemAt(index)->title();
        collectTitles(model, index, titles);
    }
}

QModelIndex findTopic(QHelpContentModel* model, const QModelIndex& parent, const QString& title) {
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        if (model->contentItemAt(index)->title() == title) return index;
        const QModelIndex found = findTopic(model, index, title);
        if (found.isValid()) return found;
    }
    return {};
}

// The build's runtime folder: from the environment, else beside the test's build folder
// (the build puts it at <build>/runtime and the tests at <build>/tests).
QString runtimeDir() {
    const QString fromEnvironment = qEnvironmentVariable("ZUVO_RUNTIME_DIR");
    if (!fromEnvironment.isEmpty()) return fromEnvironment;
#ifdef QT_TESTCASE_BUILDDIR
    const QDir beside(QStringLiteral(QT_TESTCASE_BUILDDIR "/../runtime"));
    if (beside.exists()) return beside.absolutePath();
#endif
    return {};
}

// Every test works on its own copy of the built collection, so the search index it writes
// stays out of the shared runtime folder.
class HelpDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const QString runtime = runtimeDir();
        ASSERT_FALSE(runtime.isEmpty()) << "ZUVO_RUNTIME_DIR is not set";
        for (const QString& name : {kCollection, QStringLiteral("zuvo.qch")}) {
            ASSERT_TRUE(QFile::copy(QDir(runtime).filePath(name), dir.filePath(name)))
                << "the build has no " << name.toStdString() << " in " << runtime.toStdString();
        }
    }

    std::unique_ptr<HelpDialog> openDialog() {
        auto dialog = std::make_unique<HelpDialog>(dir.filePath(kCollection));
        EXPECT_TRUE(dialog->isOpen()) << dialog->errorText().toStdString();
        return dialog;
    }

    QTemporaryDir dir;
};

}  // namespace

TEST_F(HelpDialogTest, OpensWithContentsIndexAndSearchTabs) {
    auto dialog = openDialog();
    ASSERT_TRUE(dialog->isOpen());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Tematy pomocy"));
    QTabWidget* tabs = dialog->tabs();
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Spis treści"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Indeks"));
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Szukaj"));
}

TEST_F(HelpDialogTest, ContentsListTheTopicsOfTheWholeSystem) {
    auto dialog = openDialog();
    QHelpContentModel* model = dialog->engine()->contentModel();
    ASSERT_TRUE(waitFor([&] { return !model->isCreatingContents() && model->rowCount() > 0; }));
    QStringList titles;
    collectTitles(model, {}, titles);
    for (const char* topic :
         {"Idea systemu", "Etap 1 – prognoza", "Szablony i ich oznaczenia",
          "Analiza rozkładu prawdopodobieństwa", "Extra – optymalny układ",
          "Etap 3 – opcje generatora", "Generator systemu", "Sprawdzenie wyników",
          "Zapis i odczyt systemu", "Wydruk systemu", "Kalibracja wydruku", "Menu programu"}) {
        EXPECT_TRUE(titles.contains(QString::fromUtf8(topic))) << topic;
    }
    // The first topic is on show as soon as the contents are there.
    ASSERT_TRUE(waitFor([&] { return !dialog->browser()->source().isEmpty(); }));
    EXPECT_TRUE(dialog->browser()->toPlainText().contains(QStringLiteral("Totalizatorze")));
}

TEST_F(HelpDialogTest, ChoosingATopicShowsItsPageFromTheCollection) {
    auto dialog = openDialog();
    QHelpContentModel* model = dialog->engine()->contentModel();
    ASSERT_TRUE(waitFor([&] { return !model->isCreatingContents() && model->rowCount() > 0; }));
    const QModelIndex topic = findTopic(model, {}, QStringLiteral("Kalibracja wydruku"));
    ASSERT_TRUE(topic.isValid());
    emit dialog->engine()->contentWidget()->activated(topic);
    EXPECT_TRUE(dialog->browser()->source().toString().endsWith(QStringLiteral("kalibracja.html")));
    const QString text = dialog->browser()->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Ustawienia zaawansowane"))) << text.toStdString();

    // The page's style sheet, named relative to the page, comes from the collection as well.
    const QByteArray style =
        dialog->browser()
            ->loadResource(QTextDocument::StyleSheetResource, QUrl(QStringLiteral("style.css")))
            .toByteArray();
    EXPECT_TRUE(style.contains("h1")) << style.left(80).toStdString();

    // A link inside the page, with its anchor, resolves within the collection too.
    const QUrl link =
        dialog->browser()->source().resolved(QUrl(QStringLiteral("analiza.html#przedzialy")));
    dialog->browser()->setSource(link);
    EXPECT_EQ(dialog->browser()->source(), link);
    EXPECT_TRUE(dialog->browser()->toPlainText().contains(QStringLiteral("Przedział fryzjerski")));
}

TEST_F(HelpDialogTest, IndexHoldsKeywordsAndTheFilterOpensOne) {
    auto dialog = openDialog();
    QHelpIndexModel* index = dialog->engine()->indexModel();
    ASSERT_TRUE(waitFor([&] { return !index->isCreatingIndex() && index->rowCount() > 0; }));
    const QStringList keywords = index->stringList();
    EXPECT_TRUE(keywords.contains(QStringLiteral("przedział fryzjerski")));
    EXPECT_TRUE(keywords.contains(QStringLiteral("pewniak")));

    dialog->tabs()->setCurrentIndex(1);
    QTest::keyClicks(dialog->indexFilter(), QStringLiteral("kalibr"));
    const QModelIndex current = dialog->engine()->indexWidget()->currentIndex();
    ASSERT_TRUE(current.isValid());
    EXPECT_TRUE(current.data().toString().startsWith(QStringLiteral("kalibr")));
    QTest::keyClick(dialog->indexFilter(), Qt::Key_Return);
    EXPECT_TRUE(dialog->browser()->source().toString().endsWith(QStringLiteral("kalibracja.html")))
        << dialog->browser()->source().toString().toStdString();
}

TEST_F(HelpDialogTest, SearchFindsPolishWordsAfterIndexingOnFirstUse) {
    auto dialog = openDialog();
    QHelpSearchEngine* search = dialog->engine()->searchEngine();
    int finished = -1;
    QObject::connect(search, &QHelpSearchEngine::searchingFinished,
                     [&](int count) { finished = count; });

    dialog->search(QStringLiteral("fryzjerski"));
    ASSERT_TRUE(waitFor([&] { return finished >= 0; }, 60000));
    ASSERT_GT(finished, 0);
    QStringList pages;
    for (const QHelpSearchResult& result : search->searchResults(0, finished))
        pages << result.url().fileName();
    EXPECT_TRUE(pages.contains(QStringLiteral("analiza.html"))) << pages.join(u' ').toStdString();
    EXPECT_FALSE(pages.contains(QStringLiteral("wydruk.html")));

    // A word with Polish letters, searched from the index already on disk.
    finished = -1;
    dialog->search(QStringLiteral("blankietów"));
    ASSERT_TRUE(waitFor([&] { return finished >= 0; }, 60000));
    ASSERT_GT(finished, 0);
    pages.clear();
    for (const QHelpSearchResult& result : search->searchResults(0, finished))
        pages << result.url().fileName();
    EXPECT_TRUE(pages.contains(QStringLiteral("wydruk.html"))) << pages.join(u' ').toStdString();
}

TEST_F(HelpDialogTest, SearchFindsEveryFormOfAPolishWord) {
    auto dialog = openDialog();
    QHelpSearchEngine* search = dialog->engine()->searchEngine();
    int finished = -1;
    QObject::connect(search, &QHelpSearchEngine::searchingFinished,
                     [&](int count) { finished = count; });
    // "kupon" stands in the pages only as "kuponu", "kuponie" and in capitals.
    dialog->search(QStringLiteral("kupon"));
    ASSERT_TRUE(waitFor([&] { return finished >= 0; }, 60000));
    QStringList pages;
    for (const QHelpSearchResult& result : search->searchResults(0, finished))
        pages << result.url().fileName();
    for (const char* page : {"index.html", "kalibracja.html", "wydruk.html", "wyniki.html"})
        EXPECT_TRUE(pages.contains(QString::fromLatin1(page))) << page;
}

TEST_F(HelpDialogTest, ChoosingTheIndexPutsTheCursorInItsFilter) {
    auto dialog = openDialog();
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    dialog->activateWindow();
    dialog->tabs()->setCurrentIndex(1);
    EXPECT_TRUE(dialog->indexFilter()->hasFocus());
}

TEST_F(HelpDialogTest, MissingCollectionIsRefusedAndNotCreated) {
    const QString missing = dir.filePath(QStringLiteral("BRAK.HLP"));
    HelpDialog dialog(missing);
    EXPECT_FALSE(dialog.isOpen());
    EXPECT_TRUE(dialog.errorText().contains(QStringLiteral("BRAK.HLP")));
    EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(HelpDialogTest, FileThatIsNotACollectionIsRefusedAndLeftAlone) {
    const QString bogus = dir.filePath(QStringLiteral("zepsuty.HLP"));
    QFile file(bogus);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("to nie jest pomoc\r\n");
    file.close();
    HelpDialog dialog(bogus);
    EXPECT_FALSE(dialog.isOpen());
    EXPECT_FALSE(dialog.errorText().isEmpty());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("to nie jest pomoc\r\n"));
}

TEST_F(HelpDialogTest, CollectionWithoutItsDocumentationIsRefused) {
    ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("zuvo.qch"))));
    HelpDialog dialog(dir.filePath(kCollection));
    EXPECT_FALSE(dialog.isOpen());
    EXPECT_TRUE(dialog.errorText().contains(QStringLiteral("zuvo.qch")));
}

TEST_F(HelpDialogTest, ShowingAnUnusableCollectionTellsTheUser) {
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        shown = box->text();
        box->accept();
    });
    showHelpDialog(nullptr, dir.filePath(QStringLiteral("BRAK.HLP")));
    EXPECT_TRUE(shown.contains(QStringLiteral("Nie można otworzyć pomocy"))) << shown.toStdString();
}
