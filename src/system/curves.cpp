// The mouse acceleration curves, their comparison and the texts and colours of each state.
#include "system/curves.h"

namespace {

constexpr const char* kRestoreCaption = "恢复鼠标加速度";

constexpr MouseAccelDisplay kOffDisplay = {"鼠标加速:已关", kGreen, kRestoreCaption};
constexpr MouseAccelDisplay kOnDisplay = {"鼠标加速:未关", kYellow, "关闭鼠标加速度"};
// An unknown state offers the restore, never the switch-off.
constexpr MouseAccelDisplay kUnknownDisplay = {"鼠标加速:未知", kRed, kRestoreCaption};

}  // namespace

std::string_view CurveBytes(const Curve& curve) {
  return {reinterpret_cast<const char*>(curve.data()), curve.size()};
}

bool MatchesCurve(std::string_view bytes, const Curve& curve) { return bytes == CurveBytes(curve); }

MouseAccelState ClassifyMouseCurves(std::string_view x, std::string_view y) {
  if (MatchesCurve(x, LinearCurveX) && MatchesCurve(y, LinearCurveY)) return MouseAccelState::Off;
  if (MatchesCurve(x, RestoreCurveX) && (MatchesCurve(y, RestoreCurveY) || MatchesCurve(y, Windows7CurveY))) {
    return MouseAccelState::On;
  }
  return MouseAccelState::Unknown;
}

const MouseAccelDisplay& DisplayFor(MouseAccelState state) {
  switch (state) {
    case MouseAccelState::Off:
      return kOffDisplay;
    case MouseAccelState::On:
      return kOnDisplay;
    case MouseAccelState::Unknown:
      break;
  }
  return kUnknownDisplay;
}

MouseAccelAction ActionForCaption(std::string_view buttonCaption) {
  return buttonCaption == kRestoreCaption ? MouseAccelAction::Restore : MouseAccelAction::SwitchOff;
}

const char* ConfirmQuestion(MouseAccelAction action) {
  return action == MouseAccelAction::Restore ? "是否要恢复鼠标加速度?" : "是否要关闭鼠标加速度?";
}

CurvePair CurvesFor(MouseAccelAction action, bool windows7OrLater) {
  if (action == MouseAccelAction::Restore) return {RestoreCurveX, windows7OrLater ? Windows7CurveY : RestoreCurveY};
  return {LinearCurveX, LinearCurveY};
}
