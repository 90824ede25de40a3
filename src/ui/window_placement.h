#pragma once
// Where the main window goes on the screen: centred, or against the edge that leaves no room.

struct WindowOrigin {
    int left = 0;
    int top = 0;
};

// Sizes are the outer size of the window and the size of the screen, in pixels.
WindowOrigin placeWindow(int screenWidth, int screenHeight, int windowWidth, int windowHeight);
