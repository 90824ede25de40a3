#include "ui/window_placement.h"

WindowOrigin placeWindow(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
    WindowOrigin origin;
    // Both differences are positive here, so the division rounds down.
    if (screenWidth > windowWidth) origin.left = (screenWidth - windowWidth) / 2;
    // A few pixels of spare height are not worth a gap above the title bar.
    if (screenHeight - windowHeight > 30) origin.top = (screenHeight - windowHeight) / 2;
    return origin;
}
