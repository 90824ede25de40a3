#pragma once
// Counters of one print run on coupon forms.
#include <cstdint>
#include <string>
#include <vector>

#include <QImage>

namespace zuvo {

struct PrintRun {
    int32_t formsRemaining = 0;
    int32_t lastFormColumns = 0;
    int32_t nextColumn = 0;
    int32_t formsPrinted = 0;
    int32_t lastFormStart = 0;
};

// "Wydruk": counters for a list of n > 0 entries.
void preparePrintRun(PrintRun& run, int n);

// Places of the next form: 8 while more than one form remains, else lastFormColumns.
int placesOnNextForm(const PrintRun& run);

// Composes the next form from run.nextColumn (advancing it) onto a fresh image.
QImage composeNextForm(PrintRun& run, int couponType, const std::vector<std::string>& list);

// After the page was printed: formsPrinted += 1, formsRemaining -= 1.
void countPrintedForm(PrintRun& run);

// "Powtórz": rewinds to the last form; false when no form was printed yet.
bool rewindLastForm(PrintRun& run);

}  // namespace zuvo
