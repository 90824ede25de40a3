#pragma once
// A list view whose rows count as chosen only when the player clicks one or moves to it with the
// keys: the row that Qt makes current when the focus enters by Tab is no choice.
#include <QItemSelectionModel>
#include <QListView>

class TSystemListView : public QListView {
    Q_OBJECT
  public:
    using QListView::QListView;

  signals:
    void rowChosen(int row);

  protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override {
        QListView::currentChanged(current, previous);
        if (!enteringFocus_ && current.isValid()) emit rowChosen(current.row());
    }
    void focusInEvent(QFocusEvent* event) override {
        const bool hadCurrent = currentIndex().isValid();
        enteringFocus_ = true;
        QListView::focusInEvent(event);
        // Qt marks the first row on entering; without it the first arrow key goes to row 1.
        if (!hadCurrent && selectionModel()) selectionModel()->clearCurrentIndex();
        enteringFocus_ = false;
    }

  private:
    bool enteringFocus_ = false;
};
