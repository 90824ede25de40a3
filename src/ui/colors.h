#pragma once
// The window's colours.
#include <QColor>

namespace ui {

inline const QColor kTeal{0, 128, 128};
inline const QColor kNavy{0, 0, 128};
inline const QColor kMaroon{128, 0, 0};
inline const QColor kPurple{128, 0, 128};
inline const QColor kSilver{192, 192, 192};
inline const QColor kFace{212, 208, 200};  // button face
inline const QColor kWindow{255, 255, 255};
inline const QColor kRed{255, 0, 0};
inline const QColor kLime{0, 255, 0};
inline const QColor kBlue{0, 0, 255};
inline const QColor kYellow{255, 255, 0};
inline const QColor kFuchsia{255, 0, 255};
inline const QColor kAqua{0, 255, 255};

}  // namespace ui
