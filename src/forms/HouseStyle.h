#pragma once

class QApplication;

// The house look of every window: one application style, calm colours, a CJK font
// that reads well at the counter.
namespace HouseStyle {
void apply(QApplication &app);
}
