#pragma once
// The generated list: one column text per row, all rows of one height. A table view lays out any
// number of rows at once (its header keeps uniform rows as one span), so even the full system of
// 1,594,323 columns shows without a pause. Rows count as chosen only when the player clicks one
// or moves to it with the keys: the row that Qt makes current when the focus enters by Tab is no
// choice.
#include <QTableView>

class TSystemListView : public QTableView {
    Q_OBJECT
  public:
    explicit TSystemListView(QWidget* parent = nullptr);

    void setRowHeight(int height);
    int rowHeight() const;

  signals:
    void rowChosen(int row);

  protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    bool enteringFocus_ = false;
};
