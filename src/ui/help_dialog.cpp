#include "ui/help_dialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHelpContentItem>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QSplitter>
#include <QTabWidget>
#include <QTranslator>
#include <QVBoxLayout>

HelpBrowser::HelpBrowser(QHelpEngine& engine, QWidget* parent)
    : QTextBrowser(parent), engine_(engine) {
    setOpenExternalLinks(true);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    // Style sheets and pictures come with names relative to the page that is shown.
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (url.scheme() == QLatin1String("qthelp")) return engine_.fileData(url);
    return QTextBrowser::loadResource(type, name);
}

namespace {

// The search and index widgets come from Qt Help; their own captions are translated by Qt's
// Polish catalogue, loaded once for the whole program the first time the help is opened.
void loadHelpTranslation() {
    static bool tried = false;
    if (tried) return;
    tried = true;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::Polish), QStringLiteral("qt_help"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

// Polish words change their endings ("kupon", "kuponu", "kuponie"): a plain word is searched as
// a prefix, so that every form of it is found. Words the user already wrote with a wildcard or in
// quotes stay as they are.
QString widenToPrefixes(const QString& words) {
    if (words.contains(u'"')) return words;
    QStringList parts = words.split(u' ', Qt::SkipEmptyParts);
    for (QString& part : parts) {
        bool plain = true;
        for (const QChar c : part) plain = plain && c.isLetterOrNumber();
        if (plain) part += u'*';
    }
    return parts.join(u' ');
}

QString unusableText(const QString& file, const QString& reason) {
    return QStringLiteral("Nie można otworzyć pomocy programu.\n\nPlik: %1\n%2")
        .arg(QDir::toNativeSeparators(file), reason);
}

}  // namespace

HelpDialog::HelpDialog(const QString& collectionFile, QWidget* parent)
    : QDialog(parent), collectionFile_(collectionFile) {
    setObjectName(QStringLiteral("HelpDialog"));
    setWindowTitle(QStringLiteral("Tematy pomocy"));
    resize(780, 540);

    // The help engine creates an empty collection for a name that does not exist; check first,
    // so that a missing help file is reported instead of silently replaced.
    const QFileInfo info(collectionFile);
    if (!info.isFile()) {
        error_ = unusableText(collectionFile, QStringLiteral("Plik pomocy nie istnieje."));
        return;
    }
    engine_ = new QHelpEngine(info.absoluteFilePath(), this);
    engine_->setReadOnly(true);
    if (!engine_->setupData()) {
        error_ = unusableText(collectionFile, engine_->error().isEmpty()
                                                  ? QStringLiteral("Plik nie jest zbiorem pomocy.")
                                                  : engine_->error());
        return;
    }
    const QStringList docs = engine_->registeredDocumentations();
    if (docs.isEmpty()) {
        error_ = unusableText(collectionFile,
                              QStringLiteral("Zbiór pomocy nie zawiera żadnych tematów."));
        return;
    }
    for (const QString& ns : docs) {
        const QString doc = engine_->documentationFileName(ns);
        if (!QFileInfo(doc).isFile()) {
            error_ = unusableText(collectionFile, QStringLiteral("Brak pliku z treścią pomocy: %1")
                                                      .arg(QDir::toNativeSeparators(doc)));
            return;
        }
    }

    loadHelpTranslation();
    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("HelpTabs"));
    browser_ = new HelpBrowser(*engine_, this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    buildContents();
    buildIndex();
    buildSearch();

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(tabs_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({280, 500});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);
    open_ = true;
}

HelpDialog::~HelpDialog() {
    // The engine's worker threads (contents, index, search) must not outlive their engine.
    if (engine_) engine_->searchEngine()->cancelIndexing();
}

void HelpDialog::buildContents() {
    QHelpContentWidget* contents = engine_->contentWidget();
    contents->setObjectName(QStringLiteral("HelpContents"));
    tabs_->addTab(contents, QStringLiteral("Spis treści"));
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpDialog::showLink);
    QHelpContentModel* model = engine_->contentModel();
    connect(model, &QHelpContentModel::contentsCreated, this, [this, contents] {
        contents->expandToDepth(1);
        showFirstTopic();
    });
    // The contents may already be there when the engine finished its set-up synchronously.
    if (!model->isCreatingContents() && model->rowCount() > 0) showFirstTopic();
}

void HelpDialog::buildIndex() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(new QLabel(QStringLiteral("Wpisz szukane hasło:")));
    indexFilter_ = new QLineEdit;
    indexFilter_->setObjectName(QStringLiteral("HelpIndexFilter"));
    indexFilter_->setClearButtonEnabled(true);
    layout->addWidget(indexFilter_);
    QHelpIndexWidget* index = engine_->indexWidget();
    index->setObjectName(QStringLiteral("HelpIndex"));
    layout->addWidget(index);
    tabs_->addTab(page, QStringLiteral("Indeks"));
    // Typing goes straight into the filter once the index is chosen.
    connect(tabs_, &QTabWidget::currentChanged, this, [this, page](int tab) {
        if (tabs_->widget(tab) == page) indexFilter_->setFocus();
    });

    connect(indexFilter_, &QLineEdit::textChanged, index,
            [index](const QString& text) { index->filterIndices(text); });
    connect(indexFilter_, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& link, const QString&) { showLink(link.url); });
    // A keyword with several pages: the first one is shown; all of them are linked from there.
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& links, const QString&) {
                if (!links.isEmpty()) showLink(links.first().url);
            });
}

void HelpDialog::buildSearch() {
    QHelpSearchEngine* engine = engine_->searchEngine();
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("HelpSearchPage"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    QHelpSearchQueryWidget* query = engine->queryWidget();
    query->setObjectName(QStringLiteral("HelpSearchQuery"));
    query->setCompactMode(true);
    QHelpSearchResultWidget* results = engine->resultWidget();
    results->setObjectName(QStringLiteral("HelpSearchResults"));
    layout->addWidget(query);
    layout->addWidget(results, 1);
    const int searchTab = tabs_->addTab(page, QStringLiteral("Szukaj"));

    connect(engine, &QHelpSearchEngine::indexingStarted, this, [this] { indexing_ = true; });
    connect(engine, &QHelpSearchEngine::indexingFinished, this, [this] {
        indexing_ = false;
        runPendingSearch();
    });
    connect(query, &QHelpSearchQueryWidget::search, this,
            [this, query] { search(query->searchInput()); });
    connect(results, &QHelpSearchResultWidget::requestShowLink, this, &HelpDialog::showLink);
    // The index is written beside the collection the first time the search is used.
    connect(tabs_, &QTabWidget::currentChanged, this, [this, searchTab, query](int tab) {
        if (tab != searchTab) return;
        prepareSearch();
        query->setFocus();
    });
}

void HelpDialog::prepareSearch() {
    if (indexPrepared_) return;
    indexPrepared_ = true;
    indexing_ = true;  // until the indexer reports back; a search waits for it
    engine_->searchEngine()->reindexDocumentation();
}

void HelpDialog::search(const QString& words) {
    if (!open_) return;
    pendingSearch_ = words;
    prepareSearch();
    if (!indexing_) runPendingSearch();
}

void HelpDialog::runPendingSearch() {
    if (pendingSearch_.trimmed().isEmpty()) return;
    const QString words = widenToPrefixes(pendingSearch_);
    pendingSearch_.clear();
    engine_->searchEngine()->search(words);
}

void HelpDialog::showLink(const QUrl& url) {
    if (url.isValid()) browser_->setSource(url);
}

void HelpDialog::showFirstTopic() {
    if (!browser_->source().isEmpty()) return;
    QHelpContentModel* model = engine_->contentModel();
    if (model->rowCount() == 0) return;
    if (QHelpContentItem* item = model->contentItemAt(model->index(0, 0))) showLink(item->url());
}

void showHelpDialog(QWidget* parent, const QString& collectionFile) {
    static QPointer<HelpDialog> current;
    if (current && current->collectionFile() == collectionFile) {
        current->show();
        current->raise();
        current->activateWindow();
        return;
    }
    auto* dialog = new HelpDialog(collectionFile, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (!dialog->isOpen()) {
        const QString text = dialog->errorText();
        delete dialog;
        QMessageBox::warning(parent, QStringLiteral("Tematy pomocy"), text);
        return;
    }
    if (current) current->close();
    current = dialog;
    dialog->show();
}
