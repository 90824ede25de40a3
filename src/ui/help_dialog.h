#pragma once
// The help topics dialog: contents, index and search of a Qt Help collection.
#include <QDialog>
#include <QString>
#include <QTextBrowser>
#include <QUrl>

class QHelpEngine;
class QLineEdit;
class QTabWidget;
class QWidget;

// Shows the pages of the help collection; relative links and anchors resolve inside it.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
  public:
    HelpBrowser(QHelpEngine& engine, QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;

  private:
    QHelpEngine& engine_;
};

class HelpDialog : public QDialog {
    Q_OBJECT
  public:
    // Opens the collection read-only; a missing or unusable collection leaves the dialog closed
    // for business (isOpen() false, errorText() says why) and never creates or alters the file.
    explicit HelpDialog(const QString& collectionFile, QWidget* parent = nullptr);
    ~HelpDialog() override;

    bool isOpen() const { return open_; }
    QString errorText() const { return error_; }
    QString collectionFile() const { return collectionFile_; }

    QHelpEngine* engine() const { return engine_; }
    QTabWidget* tabs() const { return tabs_; }
    QLineEdit* indexFilter() const { return indexFilter_; }
    HelpBrowser* browser() const { return browser_; }

    // Starts a full-text search; the index is built first if this is the first search.
    void search(const QString& words);
    bool isIndexing() const { return indexing_; }

  private:
    void buildContents();
    void buildIndex();
    void buildSearch();
    void showLink(const QUrl& url);
    void showFirstTopic();
    void prepareSearch();
    void runPendingSearch();

    QString collectionFile_;
    QString error_;
    bool open_ = false;
    bool indexPrepared_ = false;
    bool indexing_ = false;
    QString pendingSearch_;
    QHelpEngine* engine_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QLineEdit* indexFilter_ = nullptr;
    HelpBrowser* browser_ = nullptr;
};

// Shows the dialog modelessly (one per collection; a second call raises it); a collection that
// cannot be opened is reported in a message box.
void showHelpDialog(QWidget* parent, const QString& collectionFile);
