#include "ui/list_models.h"

#include <QString>
#include <utility>

#include "model/result_check.h"

SystemListModel::SystemListModel(const std::vector<std::string>& list, QObject* parent)
    : QAbstractListModel(parent), list_(list) {}

int SystemListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_;
}

QVariant SystemListModel::data(const QModelIndex& index, int role) const {
    // The list may already have shrunk before refresh() is called.
    if (!index.isValid() || index.row() >= static_cast<int>(list_.size())) return {};
    if (role == Qt::DisplayRole) {
        // Single-byte text: every byte of an opened file stays one character.
        const std::string& entry = list_[static_cast<size_t>(index.row())];
        return QString::fromLatin1(entry.data(), static_cast<qsizetype>(entry.size()));
    }
    return {};
}

void SystemListModel::appended() {
    const int size = static_cast<int>(list_.size());
    if (size < shown_) return reload();
    if (size == shown_) return;
    beginInsertRows({}, shown_, size - 1);
    shown_ = size;
    endInsertRows();
}

void SystemListModel::reload() {
    beginResetModel();
    shown_ = static_cast<int>(list_.size());
    endResetModel();
}

HitListModel::HitListModel(Shows shows, QObject* parent)
    : QAbstractListModel(parent), shows_(shows) {}

int HitListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(numbers_.size());
}

QVariant HitListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    const int number = numbers_[static_cast<size_t>(index.row())];
    if (shows_ == Shows::Number) return QString::number(number);
    return QString::fromStdString(zuvo::couponPlace(number - 1));
}

void HitListModel::setNumbers(std::vector<int> numbers) {
    if (numbers.empty() && numbers_.empty()) return;
    beginResetModel();
    numbers_ = std::move(numbers);
    endResetModel();
}
