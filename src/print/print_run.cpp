#include "print/print_run.h"

#include "print/coupon_form.h"
#include "print/coupon_layout.h"

namespace zuvo {

void preparePrintRun(PrintRun& run, int n) {
    run.nextColumn = 0;
    run.formsRemaining = (n - 1) / kColumnsPerForm + 1;
    run.lastFormColumns = (n - 1) % kColumnsPerForm + 1;
    run.formsPrinted = 0;
    run.lastFormStart = 0;
}

int placesOnNextForm(const PrintRun& run) {
    return run.formsRemaining > 1 ? kColumnsPerForm : run.lastFormColumns;
}

QImage composeNextForm(PrintRun& run, int couponType, const std::vector<std::string>& list) {
    const CouponLayout* layout = couponLayout(couponType);
    if (layout == nullptr) return {};
    QImage image = newCouponImage();
    const int places = placesOnNextForm(run);
    for (int place = 1; place <= places; ++place) {
        if (run.nextColumn >= 0 && static_cast<size_t>(run.nextColumn) < list.size())
            composeColumn(image, *layout, place, list[static_cast<size_t>(run.nextColumn)]);
        ++run.nextColumn;
    }
    return image;
}

void countPrintedForm(PrintRun& run) {
    run.formsPrinted += 1;
    run.formsRemaining -= 1;
}

bool rewindLastForm(PrintRun& run) {
    if (run.formsPrinted <= 0) return false;
    run.nextColumn = run.lastFormStart;
    run.formsPrinted -= 1;
    run.formsRemaining += 1;
    return true;
}

}  // namespace zuvo
