#pragma once
// The profile's hint delays applied to every window of the program: how long the mouse rests
// before a hint shows, and how soon the next hint follows while one was just shown.

#include <QProxyStyle>

namespace kelmira {

class HintStyle : public QProxyStyle {
  public:
    HintStyle(int pauseMs, int shortPauseMs) : pause_(pauseMs), shortPause_(shortPauseMs) {}

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* data = nullptr) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return pause_;
        if (hint == SH_ToolTip_FallAsleepDelay) return shortPause_;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }

  private:
    int pause_;
    int shortPause_;
};

}  // namespace kelmira
