#pragma once
// "Warunki": the ranges of 1s, 0s, 2s and favourites hit that a guaranteed system is built for,
// with the number and the chance of the played combinations that meet them, shown at every change.
#include <QDialog>
#include <QString>
#include <array>

#include "model/cover/conditions.h"
#include "model/cover/play.h"

class Platform;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

// "1: 7–10, 0: 1–3, 2: 1–3, faworyci: 8–13": only the ranges that narrow anything.
QString conditionsText(const zuvo::cover::Conditions& conditions);
// The Polish reason why `conditions` cannot be used for `play` (a range out of 0..13 or reversed,
// or no played combination meets them); empty when they can.
QString conditionsError(const zuvo::cover::Play& play, const zuvo::cover::Conditions& conditions);

}  // namespace ui

class ConditionsDialog : public QDialog {
    Q_OBJECT
  public:
    ConditionsDialog(Platform& platform, QWidget* parent);

    // Opens the dialog (window-modal, returns at once) with these conditions for this play.
    void edit(const zuvo::cover::Play& play, const zuvo::cover::Conditions& current);
    // What was accepted.
    const zuvo::cover::Conditions& conditions() const { return conditions_; }

    // "OK": refuses bad input with a message and stays open; otherwise accepts.
    void confirm();
    // "Bez warunków": every range whole again.
    void clearAll();

    // Per condition (1s, 0s, 2s, favourites) its "od" and "do" box.
    std::array<QLineEdit*, 4> lowEdits{};
    std::array<QLineEdit*, 4> highEdits{};
    QLabel* countLabel = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* clearButton = nullptr;
    QPushButton* cancelButton = nullptr;

  private:
    // Reads the boxes; the message of the first bad one, or empty.
    QString read(zuvo::cover::Conditions& out) const;
    void showCount();

    Platform& platform_;
    zuvo::cover::Play play_;
    zuvo::cover::Conditions conditions_;
};
