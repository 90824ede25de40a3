#pragma once
// Models behind the generator screen's lists. A system can hold up to 1,594,323 columns, so the
// rows are never copied into item objects: each view asks only for the rows it shows.
#include <QAbstractListModel>
#include <string>
#include <vector>

// The system list as it stands in the program state; the model is told when it changed.
class SystemListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    SystemListModel(const std::vector<std::string>& list, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // After the generator appended columns: only the new rows are inserted.
    void appended();
    // After the list was emptied or replaced.
    void reload();

  private:
    const std::vector<std::string>& list_;
    int shown_ = 0;
};

// One hit list of the result check: the 1-based numbers of the columns, shown either as numbers
// or as their places on the coupon forms ("2/3").
class HitListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    enum class Shows { Number, CouponPlace };
    HitListModel(Shows shows, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void setNumbers(std::vector<int> numbers);
    void clear() { setNumbers({}); }

  private:
    Shows shows_;
    std::vector<int> numbers_;
};
