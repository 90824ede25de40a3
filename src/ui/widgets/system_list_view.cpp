#include "ui/widgets/system_list_view.h"

#include <QHeaderView>
#include <QItemSelectionModel>

TSystemListView::TSystemListView(QWidget* parent) : QTableView(parent) {
    horizontalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    setShowGrid(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TSystemListView::setRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
}

int TSystemListView::rowHeight() const {
    return verticalHeader()->defaultSectionSize();
}

void TSystemListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (!enteringFocus_ && current.isValid()) emit rowChosen(current.row());
}

void TSystemListView::focusInEvent(QFocusEvent* event) {
    const bool hadCurrent = currentIndex().isValid();
    enteringFocus_ = true;
    QTableView::focusInEvent(event);
    // Qt marks the first row on entering; without it the first arrow key goes to row 1.
    if (!hadCurrent && selectionModel()) selectionModel()->clearCurrentIndex();
    enteringFocus_ = false;
}
